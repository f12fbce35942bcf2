#pragma once

// The open documents: one Ithem per open file in one ordered collection, which also
// carries the state of the open web project. The main window's document state
// (src/documents/documentstate.h) owns the program's one collection and its current index.

#include "core/filepath.h"
#include "platform/bytetext.h"

#include <QString>

#include <limits>
#include <memory>
#include <vector>

// The most documents the collection holds: its indexes are 16-bit.
constexpr qint16 kMostDocuments = std::numeric_limits<qint16>::max();

// One open document. Plain data: every field starts at zero or empty.
struct Ithem
{
    QString Value;     // the text while another document is in the editor; "<XXX>": no text
    qint16 NoText = 0; // -1 for a picture, sound or other file without editable text
    qint16 Index = 0;  // the slot it was given when appended; never renumbered
    QString Tag;
    QString Kay;
    qint16 saved = 0;    // the document has a file on disk, filepath names it
    qint16 Changed = 0;  // changed since it was loaded or last saved
    FilePath filepath;   // none for a document that was never saved
    qint16 PinListi = 0; // -1 read from a project list, 0 made by the frameset designer
    QString FileTitle;   // the title in the tree of open files
    qint16 IsInWEB = 0;  // listed in the open project's list file
    quint8 FrameSet = 0; // 0 ordinary, 1 frameset page, 2 frame page
    qint32 SStart = 0;   // caret and selection kept while another document is shown
    qint32 SLenth = 0;
    LineEnds lineEnds = LineEnds::CrLf; // how its file ended its lines when read: kept on saving
    quint64 Serial = 0; // given when added, never again by the same collection: its identity
};

class ColectionMain
{
public:
    qint16 Count() const;

    // The item at 0-based index. An index outside 0..Count()-1 is a caller's error: it
    // neither crashes nor adds an item, and gives an empty item that belongs to nothing
    // (what is written into it is dropped).
    Ithem& Item(qint16 index);
    const Ithem& Item(qint16 index) const;

    // Index < 0 appends; 0..Count() inserts there; beyond Count() is reported and adds
    // nothing. The new item's Index is its slot, its Serial the next one. False when
    // nothing was added.
    bool AddNewIthem(const QString& value, qint16 index, const QString& kay, const QString& tag);

    // Removes the item at index; later items move down one slot and keep their Index.
    // An index outside 0..Count()-1 removes nothing.
    void RemoveIthem(qint16 index);

    // Removes every item; the project state stays.
    void Cler();

    qint16 WEBChanged() const { return m_webChanged; }
    void setWEBChanged(qint16 changed) { m_webChanged = changed; }
    qint16 WEBopened() const { return m_webOpened; }
    void setWEBopened(qint16 opened) { m_webOpened = opened; }
    QString WEBpath() const { return m_webPath; }
    void setWEBpath(const QString& path) { m_webPath = path; }
    QString WEBtitle() const { return m_webTitle; }
    void setWEBtitle(const QString& title) { m_webTitle = title; }
    // The open project's folder, "" while no project is open.
    QString openProjectFolder() const { return m_webOpened ? m_webPath : QString(); }

private:
    bool contains(qint16 index) const;

    std::vector<std::unique_ptr<Ithem>> m_items;
    Ithem m_outside; // what Item() gives for an index outside the collection
    quint64 m_lastSerial = 0;
    qint16 m_webChanged = 0;
    qint16 m_webOpened = 0;
    QString m_webPath;
    QString m_webTitle;
};

// Whether any document is changed (the main window's cvlaprufen).
bool anyDocumentChanged(const ColectionMain& docs);
// Whether documents are open and one of them is not in the open project (NewInWeb).
bool anyDocumentOutsideProject(const ColectionMain& docs);
