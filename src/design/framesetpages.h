#pragma once

// The frameset designer's generator: the frameset page, one page per frame and the text the
// editor shows, exact to the byte (line order, blanks, quotes, letter case; CR LF between
// lines and none after the last). The browser preview recognises the generated documents by
// their frameset role.

#include "design/framesetmodel.h"

#include <QString>

#include <optional>
#include <vector>

struct ProgProps;

// --- Pieces -----------------------------------------------------------------------------
// M: the META lines of new pages while the options put them in, else "".
QString framesetMeta(const ProgProps& props);

// A: the BODY attributes from a colour (unless it is the none value), an image (unless "")
// and the fixed-background flag (only with an image); "" when none applies.
QString bodyAttributes(quint32 colour, quint32 noColour, const QString& image, bool fixed);
QString frameBodyAttributes(const FrameRec& frame);
QString pageBodyAttributes(const PageRec& page);

// P: an ordinary page with its title, the META lines M and the BODY attributes A.
QString ordinaryPage(const QString& title, const QString& attributes, const QString& meta);

// L: a frame's FRAME line.
QString frameLine(const FrameRec& frame);
// N: the nested FRAMESET line of a layout that nests.
QString nestedFramesetLine(const PageRec& page, Nesting nesting);
// O: the outer FRAMESET line with its spacing and border attributes.
QString outerFramesetLine(const PageRec& page, Nesting nesting);

// F: the frameset page of layout preset. It writes a FRAME line only for frames that exist.
QString framesetPage(const FramesetDesign& design, qint16 preset, const QString& meta);
// E: what the editor shows after a frameset was made: F with an empty body after it.
QString framesetEditorText(const QString& framesetPage);

// --- Generation -------------------------------------------------------------------------
// A document to append to the open documents, with no file, marked changed, outside the
// project and not from a project list.
struct GeneratedDocument
{
    QString text;
    QString FileTitle;
    quint8 FrameSet = 0; // 1 the frameset page, 2 a frame page

    bool operator==(const GeneratedDocument&) const = default;
};

struct FramesetBuild
{
    // A frame's file exists but cannot be read: nothing was made, nothing is to be appended.
    std::optional<QString> unreadableFile;
    // With a preset: the frameset page, then the frame pages in frame order. Without one:
    // none, and the single page is only the editor's new text.
    std::vector<GeneratedDocument> documents;
    QString editorText;      // E, or the single page
    bool framesetOn = false; // a frameset was made: the preview's frameset mode, the
                             // project counts as changed
};

// Builds every text before anything is handed out. A frame read from a file takes the file's
// bytes as they are; a missing file (or an empty path) gives an empty page.
FramesetBuild BuildFramesetPages(const FramesetDesign& design, qint16 preset, const QString& meta);
