#pragma once

// The frameset designer's model: one record per frame of the applied layout, one record for
// the page, the nine preset layouts, and the parameter panel as values, filled from the
// model and stored back into it. Frames and page live for the whole run; the designer keeps
// which preset is applied and which frame is selected.

#include <QString>

#include <vector>

// Colours are packed with red in the low byte. These values mean "no colour chosen".
// Every member of the records has an initializer, so a record can name only some of them.
// Page files and images are paths of the file system; the pages hold them as its bytes.
constexpr quint32 kFrameNoColour = 0xE0E0E0; // the light grey of a fresh frame preview
constexpr quint32 kPageNoColour = 0xFFFFFF;  // white, the page colour at program start

struct FrameRec
{
    QString Src{}; // the frame's page file: its src attribute and its document's title
    quint32 BackColor = kFrameNoColour;
    QString Image{};     // background image of the frame's page; "" for none
    QString FrameName{}; // "Top", "Left", "Page", "Footer" or "Right"
    bool Resizable = false;
    QString Scrolling{};    // "Auto", "Yes", "No" (one preset's footer holds "NO")
    bool Watermark = false; // the background image stays while the page scrolls
    bool FromFile = false;  // the frame shows the existing file Src instead of a new page

    bool operator==(const FrameRec&) const = default;
};

struct PageRec
{
    QString Rows{}; // rows attribute of the outer frameset, or ""
    QString Cols{}; // cols attribute of the outer frameset, or ""
    bool Border = false;
    qint16 Spacing = 0;
    QString StartPage{};               // title of the frameset page's document
    quint32 BackColor = kPageNoColour; // of the single page made without a preset
    QString Image{};                   // of that page
    bool Watermark = false;

    bool operator==(const PageRec&) const = default;
};

struct FramesetDesign
{
    std::vector<FrameRec> Frames; // in the layout's frame order
    PageRec Page;
};

// --- Presets --------------------------------------------------------------------------
constexpr qint16 kNoPreset = -1;
constexpr int kPresetCount = 9;       // layouts 0..8
constexpr int kNoFramesThumbnail = 9; // the strip's last thumbnail: no frames at all

// How a layout nests: every frame stands in the outer frameset, or frames 1 and 2 stand in a
// frameset nested after frame 0 that splits the other way.
enum class Nesting { None, Cols, Rows };

struct PresetFrame
{
    const char* name;
    const char* scrolling;
};

struct FramesetPreset
{
    std::vector<PresetFrame> frames;
    const char* rows;
    const char* cols;
    Nesting nesting;
};

// Layout 0..8; anything else is a caller's error and gives layout 0.
const FramesetPreset& framesetPreset(qint16 preset);

// Applies thumbnail 0..9 of the strip and gives the preset that is now applied. A layout
// replaces the frames whole (pages "Page1.HTML", "Page2.HTML", ... with the layout's names
// and scrolling, no colour, image or file, not resizable) and resets the page's rows,
// columns, border (on), spacing (1) and start page ("Frames.HTML"); the page's colour, image
// and watermark stay. The no-frames thumbnail (or any other number) empties the frames,
// keeps the page and gives kNoPreset.
qint16 applyPreset(FramesetDesign& design, int thumbnail);

// --- The parameter panel ---------------------------------------------------------------
// What the panel shows. The frame fields are disabled and empty while the page is selected;
// the image fields while the frame or page has no image.
struct FrameParams
{
    bool border = false;
    QString spacing; // decimal text
    QString startPage;

    bool frameFields = false; // page file, resizable, scrolling and the file button
    QString src;
    bool resizable = false;
    QString scrolling;
    // The existing file the frame is to show: the one chosen with the file button in this
    // round, or the file the frame already shows. It takes effect on OK, and only while the
    // page file still names it.
    QString chosenFile;

    bool imageFields = false;
    QString image;
    bool watermark = false;

    bool operator==(const FrameParams&) const = default;
};

// The panel for the selected frame (selFrame), or for the page when selFrame names no frame.
FrameParams frameParams(const FramesetDesign& design, qint16 selFrame);

// The file button chose path as the frame's page.
void chooseFrameFile(FrameParams& params, const QString& path);

// OK: the page's border, spacing (held at 16 bits) and start page (without surrounding
// blanks); then the frame's fields, or, for the page, its watermark while it has an image
// (the page's image itself is not taken from the panel).
void storeFrameParams(FramesetDesign& design, qint16 selFrame, const FrameParams& params);

// The spacing box follows the border box: "1" when ticked, "0" when not.
QString spacingForBorder(bool ticked);
// Keys the spacing box takes: digits and Backspace.
bool spacingKeyPasses(int key);
