#include "design/frmdesign.h"

#include "core/commandcontext.h"
#include "core/previewvalues.h"
#include "core/progprops.h"
#include "core/windowcontrols.h"
#include "design/framesetdocuments.h"
#include "design/framesetpages.h"
#include "design/framesetpreview.h"
#include "platform/packedcolour.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <qdrawutil.h>

#include <functional>

namespace {

const QString kImageFilter = QStringLiteral("JPG(*.jpg)|*.jpg|GIF(*.gif)|*.gif");
const QString kPageFilter = QStringLiteral("HTML-HTM(*.HTML,*.HTM)|*.html;*.htm");

constexpr int kToolbarWidth = 330; // twips, the strip left of the surface
constexpr quint32 kBlack = 0;
constexpr quint32 kRed = 255;

// Where a frame's name is printed in its preview, in twips: on a fresh preview, after a
// colour was chosen, and over a tiled picture.
const QPointF kNameOnColour(30, 15);
const QPointF kNameOnPicture(45, 30);

QRect pixelsOf(const QRectF& twips)
{
    return QRect(twipsToPixels(int(twips.left())), twipsToPixels(int(twips.top())),
                 twipsToPixels(int(twips.width())), twipsToPixels(int(twips.height())));
}

QSizeF twipsOf(const QSize& pixels)
{
    return QSizeF(pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height()));
}

} // namespace

// A picture box of the designer: a background colour, a picture tiled over it from the top
// left corner, and a frame's name printed at a place given in twips. A frame's preview has a
// sunken edge: the frames of a layout touch, and the edges tell them apart.
class DesignPicture : public QWidget
{
public:
    enum class Edge { None, Sunken };
    DesignPicture(QWidget* parent, Edge edge) : QWidget(parent), m_edge(edge) {}

    std::function<void()> pressed;
    std::function<void()> clicked;

    quint32 backColour() const { return m_back; }
    void setBackColour(quint32 colour)
    {
        m_back = colour;
        update();
    }
    quint32 foreColour() const { return m_fore; }
    void setForeColour(quint32 colour)
    {
        m_fore = colour;
        update();
    }
    void setTile(const QImage& picture)
    {
        m_tile = picture;
        update();
    }
    void printName(const QString& name, QPointF twips)
    {
        m_name = name;
        m_namePlace = twips;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), unpackedColour(m_back));
        for (const QPoint& corner : tilePositions(size(), m_tile.size()))
            painter.drawImage(corner, m_tile);
        if (m_edge == Edge::Sunken)
            qDrawShadePanel(&painter, rect(), palette(), true, 1);
        if (m_name.isEmpty())
            return;
        painter.setPen(unpackedColour(m_fore));
        const QPoint place(twipsToPixels(int(m_namePlace.x())),
                           twipsToPixels(int(m_namePlace.y())));
        painter.drawText(place + QPoint(0, painter.fontMetrics().ascent()), m_name);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        m_down = event->button() == Qt::LeftButton;
        if (m_down && pressed)
            pressed();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = m_down && rect().contains(event->position().toPoint());
        m_down = false;
        if (click && clicked)
            clicked();
    }

private:
    const Edge m_edge;
    quint32 m_back = kPageNoColour;
    quint32 m_fore = kBlack;
    QImage m_tile;
    QString m_name;
    QPointF m_namePlace;
    bool m_down = false;
};

// The preset strip: ten thumbnails side by side, the nine layouts and, last, no frames. A
// highlight follows the pointer; a click (a press and a release on the strip) applies the
// thumbnail pressed.
class PresetStrip : public QWidget
{
public:
    explicit PresetStrip(QWidget* parent) : QWidget(parent), Shape1(new QFrame(this))
    {
        setObjectName(QStringLiteral("PSP"));
        setFixedSize(kThumbnailPixels * (kNoFramesThumbnail + 1), kThumbnailPixels);
        setMouseTracking(true);
        Shape1->setObjectName(QStringLiteral("Shape1"));
        Shape1->setFrameShape(QFrame::Box);
        Shape1->setLineWidth(2);
        Shape1->setStyleSheet(QStringLiteral("color: red"));
        Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
        Shape1->setGeometry(0, 0, kThumbnailPixels, kThumbnailPixels);
    }

    std::function<void(int thumbnail)> clicked;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::darkGray);
        // Each layout drawn as its previews on a surface of one thumbnail, in twips.
        const int side = pixelsToTwips(kThumbnailPixels);
        for (int preset = 0; preset < kPresetCount; ++preset) {
            const QPoint corner(preset * kThumbnailPixels, 0);
            for (const FramePreview& frame : previewGeometry(qint16(preset), side, side))
                painter.fillRect(pixelsOf(frame.rect).translated(corner).adjusted(1, 1, -1, -1),
                                 QColor(0xE0, 0xE0, 0xE0));
            painter.drawRect(QRect(corner, QSize(kThumbnailPixels - 1, kThumbnailPixels - 1)));
        }
        painter.drawRect(QRect(QPoint(kNoFramesThumbnail * kThumbnailPixels, 0),
                               QSize(kThumbnailPixels - 1, kThumbnailPixels - 1)));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int under = thumbnailAt(int(event->position().x()));
        if (under != HoverIndex) {
            Shape1->move(under * kThumbnailPixels, 0);
            HoverIndex = under;
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressed =
            event->button() == Qt::LeftButton ? thumbnailAt(int(event->position().x())) : -1;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const int thumbnail = m_pressed;
        m_pressed = -1;
        if (thumbnail >= 0 && rect().contains(event->position().toPoint()) && clicked)
            clicked(thumbnail);
    }

private:
    QFrame* Shape1;
    int HoverIndex = 0;
    int m_pressed = -1; // the thumbnail the button went down on
};

namespace {

// The selection mark: a dotted frame inside the selected preview.
class SelectionMark : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

frmDesign::frmDesign(CommandContext& context, FramesetDesign& design)
    : QDialog(&context.owner()), m_context(context), m_design(design)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QStringLiteral("VD"));

    Pfon = new DesignPicture(this, DesignPicture::Edge::None);
    Pfon->setObjectName(QStringLiteral("Pfon"));
    Pfon->setBackColour(m_design.Page.BackColor);
    if (!m_design.Page.Image.isEmpty())
        Pfon->setTile(QImage(m_design.Page.Image));
    Pfon->clicked = [this] { Pfon_Click(); };

    SPm = new SelectionMark(Pfon);
    SPm->setObjectName(QStringLiteral("SPm"));
    SPm->setAttribute(Qt::WA_TransparentForMouseEvents);
    SPm->hide();

    buildToolbar();
    PSP = new PresetStrip(this);
    PSP->clicked = [this](int thumbnail) { applyThumbnail(thumbnail); };
    PSP->move(twipsToPixels(kToolbarWidth), 0);
    PSP->hide();
    buildPanel();
    resize(640, 480);
}

frmDesign::~frmDesign() = default;

void frmDesign::buildToolbar()
{
    TB = new QToolBar(this);
    TB->setObjectName(QStringLiteral("TB"));
    TB->setOrientation(Qt::Vertical);
    TB->setIconSize(QSize(16, 16));
    struct Key
    {
        const char* key;
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    static const Key keys[] = {
        {"frame", "Frame", QStyle::SP_FileDialogListView},
        {"bagkolor", "Backolor", QStyle::SP_DesktopIcon},
        {"image", "Bacground", QStyle::SP_FileDialogContentsView},
        {"framparams", "Frame Properties", QStyle::SP_FileDialogDetailedView},
        {"cler", "Cankel", QStyle::SP_DialogCancelButton},
        {"ok", "Save", QStyle::SP_DialogSaveButton},
    };
    for (const Key& each : keys) {
        QAction* button = TB->addAction(style()->standardIcon(each.icon), QString());
        const QString key = QLatin1String(each.key);
        button->setObjectName(key);
        button->setToolTip(QLatin1String(each.tooltip));
        connect(button, &QAction::triggered, this, [this, key] { TB_ButtonClick(key); });
    }
}

void frmDesign::buildPanel()
{
    PFOP = new QFrame(this);
    PFOP->setObjectName(QStringLiteral("PFOP"));
    PFOP->setFrameShape(QFrame::Panel);
    PFOP->setFrameShadow(QFrame::Raised);
    PFOP->setAutoFillBackground(true);
    auto* grid = new QGridLayout(PFOP);

    CKborder = new QCheckBox(PFOP);
    CKborder->setObjectName(QStringLiteral("CKborder"));
    setKeysCaption(CKborder, "CarCoebis Cveneba");
    Tramwidth = new QLineEdit(PFOP);
    Tramwidth->setObjectName(QStringLiteral("Tramwidth"));
    TSTpage = new QLineEdit(PFOP);
    TSTpage->setObjectName(QStringLiteral("TSTpage"));
    Tselfram = new QLineEdit(PFOP);
    Tselfram->setObjectName(QStringLiteral("Tselfram"));
    CHfile = new QPushButton(QStringLiteral("..."), PFOP);
    CHfile->setObjectName(QStringLiteral("CHfile"));
    CKresice = new QCheckBox(PFOP);
    CKresice->setObjectName(QStringLiteral("CKresice"));
    setKeysCaption(CKresice, "zomis cvla");
    CBskrol = new QComboBox(PFOP);
    CBskrol->setObjectName(QStringLiteral("CBskrol"));
    CBskrol->setEditable(true);
    CBskrol->addItems({QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")});
    Timage = new QLineEdit(PFOP);
    Timage->setObjectName(QStringLiteral("Timage"));
    CKwasercaichen = new QCheckBox(PFOP);
    CKwasercaichen->setObjectName(QStringLiteral("CKwasercaichen"));
    setKeysCaption(CKwasercaichen, "fonis suraTis sriali");
    auto* COK = new QPushButton(QStringLiteral("OK"), PFOP);
    COK->setObjectName(QStringLiteral("COK"));
    auto* CEXIT = new QPushButton(QStringLiteral("EXIT"), PFOP);
    CEXIT->setObjectName(QStringLiteral("CEXIT"));
    auto* Label5 = new QLabel(QStringLiteral("Image"), PFOP);
    Label5->setObjectName(QStringLiteral("Label5"));

    grid->addWidget(CKborder, 0, 0, 1, 3);
    grid->addWidget(keysLabel("daSoreba", PFOP, "Label1"), 1, 0);
    grid->addWidget(Tramwidth, 1, 1, 1, 2);
    grid->addWidget(keysLabel("start gverdi", PFOP, "Label2"), 2, 0);
    grid->addWidget(TSTpage, 2, 1, 1, 2);
    grid->addWidget(separatorLine(PFOP, "xazi1"), 3, 0, 1, 3);
    grid->addWidget(keysLabel("arCeuli gverdi", PFOP, "Label3"), 4, 0);
    grid->addWidget(Tselfram, 4, 1);
    grid->addWidget(CHfile, 4, 2);
    grid->addWidget(CKresice, 5, 0, 1, 3);
    grid->addWidget(keysLabel("sasrialo zoli", PFOP, "Label4"), 6, 0);
    grid->addWidget(CBskrol, 6, 1, 1, 2);
    grid->addWidget(separatorLine(PFOP, "xazi2"), 7, 0, 1, 3);
    grid->addWidget(Label5, 8, 0);
    grid->addWidget(Timage, 8, 1, 1, 2);
    grid->addWidget(CKwasercaichen, 9, 0, 1, 3);
    grid->addWidget(separatorLine(PFOP, "xazi3"), 10, 0, 1, 3);
    grid->addWidget(COK, 11, 1);
    grid->addWidget(CEXIT, 11, 2);

    connect(CKborder, &QCheckBox::clicked, this,
            [this](bool ticked) { Tramwidth->setText(spacingForBorder(ticked)); });
    filterTypedKeys(Tramwidth, spacingKeyPasses);
    Timage->installEventFilter(this);
    connect(CHfile, &QPushButton::clicked, this, [this] { CHfile_Click(); });
    connect(COK, &QPushButton::clicked, this, [this] { COK_Click(); });
    connect(CEXIT, &QPushButton::clicked, this, [this] { CEXIT_Click(); });

    PFOP->adjustSize();
    PFOP->move(twipsToPixels(kToolbarWidth) + 8, 8);
    PFOP->hide();
}

void frmDesign::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int left = twipsToPixels(kToolbarWidth);
    TB->setGeometry(0, 0, left, height());
    Pfon->setGeometry(left, 0, std::max(0, width() - left), height());
}

bool frmDesign::eventFilter(QObject* watched, QEvent* event)
{
    // Delete empties the image box, the way to take a frame's picture away.
    if (watched == Timage && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && !Timage->text().isEmpty()) {
        Timage->clear();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- The strip and the surface ---------------------------------------------------------

void frmDesign::hideStrip()
{
    PSP->hide();
}

void frmDesign::removePreviews()
{
    SPm->hide();
    SPm->setParent(Pfon);
    for (DesignPicture* preview : Pfram)
        delete preview;
    Pfram.clear();
}

void frmDesign::applyThumbnail(int thumbnail)
{
    hideStrip();
    removePreviews();
    SelFrame = -1;
    Preset = applyPreset(m_design, thumbnail);
    if (Preset == kNoPreset) {
        if (PreviewValues* preview = m_context.subsystems().previewValues) {
            preview->brovzerFiles.clear();
            preview->FrameSetOn = false;
        }
        return;
    }
    const QSizeF surface = twipsOf(Pfon->size());
    const std::vector<FramePreview> previews =
        previewGeometry(Preset, int(surface.width()), int(surface.height()));
    for (size_t i = 0; i < previews.size(); ++i) {
        auto* preview = new DesignPicture(Pfon, DesignPicture::Edge::Sunken);
        const auto index = qint16(i);
        preview->setObjectName(QStringLiteral("Pfram(%1)").arg(i));
        preview->setBackColour(m_design.Frames[i].BackColor);
        preview->setGeometry(pixelsOf(previews[i].rect));
        preview->printName(m_design.Frames[i].FrameName, previews[i].name);
        preview->pressed = [this] { hideStrip(); };
        preview->clicked = [this, index] { Pfram_Click(index); };
        preview->show();
        Pfram.push_back(preview);
    }
}

void frmDesign::Pfram_Click(qint16 index)
{
    hideStrip();
    DesignPicture* preview = Pfram[size_t(index)];
    SPm->setParent(preview);
    SPm->setGeometry(pixelsOf(selectionMark(twipsOf(preview->size()))));
    SPm->show();
    SelFrame = index;
}

void frmDesign::Pfon_Click()
{
    hideStrip();
    SPm->hide();
    SelFrame = -1;
}

// --- The toolbar -----------------------------------------------------------------------

void frmDesign::TB_ButtonClick(const QString& key)
{
    hideStrip();
    if (key == QLatin1String("frame")) {
        PSP->show();
        PSP->raise();
    } else if (key == QLatin1String("bagkolor")) {
        chooseBackColour();
    } else if (key == QLatin1String("image")) {
        chooseImage();
    } else if (key == QLatin1String("framparams")) {
        showPanel();
    } else if (key == QLatin1String("cler")) {
        reject();
    } else if (key == QLatin1String("ok")) {
        generate();
    }
}

void frmDesign::chooseBackColour()
{
    DesignPicture* target = SelFrame >= 0 ? Pfram[size_t(SelFrame)] : Pfon;
    const std::optional<quint32> chosen = prompts().chooseColour(this, target->backColour());
    if (!chosen)
        return;
    target->setBackColour(*chosen);
    if (SelFrame < 0) {
        m_design.Page.BackColor = *chosen;
        return;
    }
    FrameRec& frame = m_design.Frames[size_t(SelFrame)];
    // The name stays readable on a background of its own colour.
    if (target->foreColour() == *chosen)
        target->setForeColour(kRed);
    target->printName(frame.FrameName, kNameOnColour);
    frame.BackColor = *chosen;
}

void frmDesign::chooseImage()
{
    const QString file = prompts().openFileName(this, QString(), kImageFilter);
    if (file.isEmpty() || !kaxeln(SelFrame, file))
        return;
    if (SelFrame >= 0)
        m_design.Frames[size_t(SelFrame)].Image = file;
}

bool frmDesign::kaxeln(qint16 Index, const QString& File)
{
    const QImage picture(File);
    if (picture.isNull()) {
        prompts().failureMessage(QStringLiteral("suraTis gaxsna ver moxerxda: ") + File);
        return false;
    }
    if (Index < 0) {
        Pfon->setTile(picture);
        m_design.Page.Image = File;
        return true;
    }
    if (size_t(Index) >= Pfram.size())
        return false;
    DesignPicture* preview = Pfram[size_t(Index)];
    preview->setTile(picture);
    preview->printName(m_design.Frames[size_t(Index)].FrameName, kNameOnPicture);
    return true;
}

// --- The parameter panel ---------------------------------------------------------------

void frmDesign::showPanel()
{
    m_panel = frameParams(m_design, SelFrame);
    CKborder->setChecked(m_panel.border);
    Tramwidth->setText(m_panel.spacing);
    TSTpage->setText(m_panel.startPage);
    for (QWidget* frameField : std::initializer_list<QWidget*>{Tselfram, CKresice, CBskrol, CHfile})
        frameField->setEnabled(m_panel.frameFields);
    Tselfram->setText(m_panel.src);
    CKresice->setChecked(m_panel.resizable);
    CBskrol->setEditText(m_panel.scrolling);
    CKwasercaichen->setEnabled(m_panel.imageFields);
    CKwasercaichen->setChecked(m_panel.watermark);
    Timage->setEnabled(m_panel.imageFields);
    Timage->setText(m_panel.image);
    PFOP->show();
    PFOP->raise();
    // While the panel is open nothing may change the selection or the layout under it.
    Pfon->setEnabled(false);
    TB->setEnabled(false);
}

void frmDesign::COK_Click()
{
    m_panel.border = CKborder->isChecked();
    m_panel.spacing = Tramwidth->text();
    m_panel.startPage = TSTpage->text();
    m_panel.src = Tselfram->text();
    m_panel.resizable = CKresice->isChecked();
    m_panel.scrolling = CBskrol->currentText();
    m_panel.image = Timage->text();
    m_panel.watermark = CKwasercaichen->isChecked();
    storeFrameParams(m_design, SelFrame, m_panel);
    if (SelFrame >= 0 && m_design.Frames[size_t(SelFrame)].Image.isEmpty()) {
        DesignPicture* preview = Pfram[size_t(SelFrame)];
        preview->setTile(QImage());
        preview->printName(m_design.Frames[size_t(SelFrame)].FrameName, kNameOnPicture);
    }
    CEXIT_Click();
}

void frmDesign::CEXIT_Click()
{
    PFOP->hide();
    Pfon->setEnabled(true);
    TB->setEnabled(true);
}

void frmDesign::CHfile_Click()
{
    const QString path = prompts().openFileName(this, QString(), kPageFilter);
    if (path.isEmpty())
        return;
    chooseFrameFile(m_panel, path);
    Tselfram->setText(path);
}

// --- Generation ------------------------------------------------------------------------

void frmDesign::generate()
{
    const FramesetBuild build = BuildFramesetPages(m_design, Preset, framesetMeta(Props));
    if (build.unreadableFile) {
        prompts().failureMessage(QStringLiteral("failis wakiTxva ver moxerxda: ") +
                                 *build.unreadableFile);
        return;
    }
    if (placeFramesetPages(m_context, build))
        accept();
}
