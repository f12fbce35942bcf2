#pragma once

// "CSS": one style rule put together from a font, effects, colours, spacing, position and a
// border, with a sample that follows the choices, and inserted into the editor's document.
// The ordinary mode makes a class rule; the rollover mode a rule for links under the mouse
// pointer, without a name, a position or a border.

#include "design/cssrule.h"

#include <QDialog>

#include <array>

class CommandContext;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolButton;

class frmCSSstile : public QDialog
{
    Q_OBJECT

public:
    // Every showing starts from the defaults.
    frmCSSstile(CommandContext& context, bool rollover);
    ~frmCSSstile() override;

    // The choices as the controls hold them.
    CssChoices choices() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFontPage();
    QWidget* buildPlacePage();
    QWidget* buildBorderPage();
    QLineEdit* numberBox(QWidget* parent, const QString& name);
    void loadDefaults();

    void TS_Click(int index);
    void Tfont_Change();
    void listFont_Click(int row);
    void Liststil_Click(int row);
    void listzice_Click(int row);
    void Tsize_Change();
    void Check1_Click(int index);
    void CBdaS_Click();
    void CBpoz_Click();
    void Tpoz_Change();
    void Oppoze_Click(int index);
    void CKrame_Click();
    void chooseColour(quint32& colour, QLabel* swatch);
    void showSwatch(QLabel* swatch, quint32 colour) const;
    void refreshSample();
    // The sample centred on its background, the overline along its top edge.
    void placeSample();
    void COK_Click();

    CommandContext& m_context;
    const bool m_rollover;
    bool SizeFromList = false; // the size list is writing the size box
    bool OverlineOn = false;
    bool FontTyping = false; // typing in the font box is moving the list's selection
    int CurTab = 1;
    QStringList m_fontBytes; // the font list's entries as byte text
    quint32 m_textColour = kNoTextColour;
    quint32 m_backColour = kNoBackColour;
    quint32 m_borderColour = kNoBorderColour;
    QFont m_sampleFont;

    QLabel* Label5;
    QLineEdit* Tname;
    QTabBar* TS;
    std::array<QWidget*, 3> FR{};
    QLineEdit* Tfont;
    QListWidget* listFont;
    QLineEdit* Tstil;
    QListWidget* Liststil;
    QLineEdit* Tsize;
    QListWidget* listzice;
    std::array<QCheckBox*, CssChoices::EffectCount> Check1{};
    QLabel* LBcolor;
    QLabel* LBfonferi;
    QFrame* LBfon;
    QLabel* LBvid;
    QFrame* OL;
    QLineEdit* TdaS;
    QComboBox* CBdaS;
    QLineEdit* Tpoz;
    QComboBox* CBpoz;
    QWidget* Picture1;
    QButtonGroup* Oppoze;
    std::array<QLineEdit*, 4> Tpoze{};
    std::array<QLabel*, 4> lbpoz{};
    QCheckBox* CKrame;
    QLineEdit* Tramvith;
    QListWidget* listramstil;
    QLabel* LBramcolor;
    QPushButton* Cramcolor;
    std::array<QLineEdit*, 4> Tbord{};
    std::array<QLabel*, 8> Label18{};
    QToolButton* COK;
    QToolButton* CEXIT;
};
