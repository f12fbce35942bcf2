#pragma once

// The frameset designer "VD". The strip of the nine layouts and the no-frames thumbnail, the
// design surface with one preview per frame, the toolbar and the parameter panel edit the
// model that lives for the whole run; "ok" hands it to the generator and puts the pages into
// the documents.

#include "design/framesetmodel.h"

#include <QDialog>

#include <vector>

class CommandContext;
class DesignPicture;
class PresetStrip;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QToolBar;
class QWidget;

class frmDesign : public QDialog
{
    Q_OBJECT

public:
    // Opens with no layout applied and the page selected; the model keeps its values.
    frmDesign(CommandContext& context, FramesetDesign& design);
    ~frmDesign() override;

    qint16 appliedPreset() const { return Preset; }
    qint16 selectedFrame() const { return SelFrame; }

    // Tiles the picture File over the page background (Index < 0, which also makes it the
    // page's image) or over the preview of frame Index. False when File holds no picture.
    bool kaxeln(qint16 Index, const QString& File);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildPanel();
    void TB_ButtonClick(const QString& key);
    void hideStrip();
    void applyThumbnail(int thumbnail);
    void removePreviews();
    void Pfram_Click(qint16 index);
    void Pfon_Click();
    void chooseBackColour();
    void chooseImage();
    void showPanel();
    void COK_Click();
    void CEXIT_Click();
    void CHfile_Click();
    void generate();

    CommandContext& m_context;
    FramesetDesign& m_design;
    qint16 Preset = kNoPreset;
    qint16 SelFrame = -1;
    FrameParams m_panel; // what the open panel holds beyond its boxes: the chosen file

    QToolBar* TB;
    DesignPicture* Pfon;
    std::vector<DesignPicture*> Pfram;
    QWidget* SPm;
    PresetStrip* PSP;
    QFrame* PFOP;
    QCheckBox* CKborder;
    QLineEdit* Tramwidth;
    QLineEdit* TSTpage;
    QLineEdit* Tselfram;
    QPushButton* CHfile;
    QCheckBox* CKresice;
    QComboBox* CBskrol;
    QLineEdit* Timage;
    QCheckBox* CKwasercaichen;
};
