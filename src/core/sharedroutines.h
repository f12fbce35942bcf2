#pragma once

// Small routines every window uses: the help file, the program's own message, input and
// list boxes, opening addresses and files with their programs, the colour text of HTML,
// the file-name check, centring a window over another and choosing a folder.

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Icon numbers of the own message box.
constexpr qint32 kIconMissingFile = 2;
constexpr qint32 kIconError = 5;
constexpr qint32 kIconQuestion = 6;

// Opens the help file Kelmora.chm of the program folder at a topic ("" for its start
// page); nothing happens when the file is not there. The routines that start another
// program (this one, a file's or an address's program, the help viewer) tell the user
// when it could not be started.
void ShowHelp(const QString& topic);

// The own message box: "6", "7" or "2" for its first, second and third button.
QString MsgBoxa(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                const QString& captions, quint8 wrap);

// The own message box's answers by button.
enum class BoxAnswer { First, Second, Third };
BoxAnswer boxAnswer(const QString& answer);

// Tells the user something in the own box with one button, its prompt wrapped at 40.
void tellUser(const QString& prompt, qint32 icon = kIconError, const QString& title = QString());

// The save question before something is dropped: yes saves, no goes on without saving, the
// third button (or closing the box) cancels.
enum class SaveChoice { Save, Discard, Cancel };
SaveChoice askToSave(const QString& prompt, const QString& title, qint32 icon);
// Asks the save question and saves when told to: true when the caller may go on dropping
// the text (the user said not to save, or save() reported success), false to stop.
bool savedOrDiscarded(const QString& prompt, const QString& title, qint32 icon,
                      const std::function<bool()>& save);
// The own list box: the chosen lines (or indexes) for the first button, "7" for the second.
QString ListBoxa(const QString& prompt, const QStringList& items, const QString& title,
                 const QString& font, qint32 width, qint32 height, qint16 byIndex);
// The own input box: the typed text for the first button, "" for the second.
QString InputBoxa(const QString& prompt, const QString& title, const QString& font,
                  const QString& initial, qint32 width, qint32 height);

void OpenUrl(QWidget* window, const QString& address);
void ShellOpen(const QString& path, QWidget* window);
// Starts a further copy of this program with these arguments.
void StartProgramAgain(const QStringList& arguments);

// "#RRGGBB" in upper-case hexadecimal from a packed colour with red in the low byte.
// Only the low 24 bits count.
QString ColorToHtml(quint32 colour);

// -1 when the name holds a character no file name may hold (\ / ? : * < > | ", or a
// control character), else 0.
qint16 HasBadFileNameChars(const QString& name);
// Tells the user, in the platform's box, which characters a file name cannot hold.
void tellBadFileNameChars();

// Where a window of the given size goes over its owner: centred, or with raise set a
// third of the way up from the centre.
QPoint CenteredPosition(const QRect& owner, const QSize& window, bool raise);
void CenterOver(QWidget* owner, QWidget* window, qint16 raise);

// The folder the user picks, or "" when cancelled.
QString BrowseFolder(QWidget* owner);
