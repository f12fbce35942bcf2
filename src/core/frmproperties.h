#pragma once

// The options window "Options", the one editor of the options record Props. A tree on the
// left lists the pages; every control writes its field into Props at once. OK writes the
// options file and, when the editor font changed, gives it to the editor; the other button
// (and Esc) only closes. Each opening loads every control from Props, and loading a control
// never writes back into Props.

#include "core/progprops.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class frmproperties : public QDialog
{
    Q_OBJECT

public:
    // applyEditorFont gives the editor the font the options name; OK calls it after a
    // change of the editor font.
    frmproperties(QWidget* owner, std::function<void()> applyEditorFont);

    // Shows the window; when it was closed, its controls are loaded from Props first.
    void showOptions();
    // The page shown, -1 before the first.
    qint16 currentPage() const { return m_page; }

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct LanguageFont
    {
        QLabel* name;
        QString ProgProps::*field;
    };
    struct ColourChoice
    {
        QLabel* swatch;
        quint32 ProgProps::*field;
    };

    void buildTree();
    QWidget* buildStartPage();
    QWidget* buildEditorFontPage();
    QWidget* buildLanguageFontPage();
    QWidget* buildColourPage();
    QWidget* buildMetaPage();
    QWidget* buildBodyPage();

    void Form_Load();
    void TV_NodeClick(QTreeWidgetItem* node);
    void showGroupImage(QTreeWidgetItem* node);
    QTreeWidgetItem* pageNode(int page) const;
    void showPage(int page);

    void CKmaxwind_Click();
    void CKwinpoz_Click();
    void Ttablen_Change();
    void useDefaultTabLength();
    void Cstfont_Click();
    void Cstfsiz_MouseDown(int y);
    void chooseStyle(qint16 bold, qint16 italik, qint16 normal);
    void chooseLanguageFont(const LanguageFont& font);
    void chooseColour(const ColourChoice& colour);
    void CADDMeta_Click();
    void CeditMeta_Click();
    void CdelMeta_Click();
    void Caddparam_Click();
    void CeditHTML_Click();
    void Cdelparam_Click();
    void COK_Click();
    void CEXIT_Click();

    void showEditorFont();
    void showSample();
    void showColour(const ColourChoice& colour);
    void endBodyEdit();

    std::function<void()> m_applyEditorFont;
    qint16 m_page = -1;
    bool m_fontChanged = false;
    int m_editLine = -1; // the BODY line being edited, -1 none
    QString m_editPrefix;

    QTreeWidget* TV;
    std::array<QWidget*, 7> FRm{}; // the pages by number; there is no page 4
    QCheckBox* CKmaxwind;
    QCheckBox* CKwinpoz;
    QCheckBox* CKlastfile;
    QLineEdit* Ttablen;
    QRadioButton* OPnorNB;
    QRadioButton* OPunNB;
    QLabel* LBSTfont;
    QToolButton* Cstfont;
    QLabel* LBstfontsice;
    QToolButton* Cstfsiz;
    QRadioButton* OPbold;
    QRadioButton* OPitalik;
    QRadioButton* OPnormal;
    QLabel* LBprobe;
    std::array<LanguageFont, 4> m_languageFonts{};
    std::array<ColourChoice, 4> m_colours{};
    QListWidget* ListMeta;
    QCheckBox* CKtagsIN;
    QListWidget* listHTML;
    QToolButton* CeditHTML;
    QLineEdit* Tvalue;
    QCheckBox* CKparamsin;
    QPushButton* COK;
    QPushButton* CEXIT;
};
