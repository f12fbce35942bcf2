#pragma once

// Every question the program asks the user goes through this interface, so that the
// windows can be driven by scripted answers in tests.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// A font as the font dialog gives it.
struct FontChoice
{
    QString family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontChoice&) const = default;
};

class Prompts
{
public:
    enum class PlatformIcon { Critical, Exclamation, Information, Question };

    virtual ~Prompts() = default;

    // The program's own message box with 1 to 3 buttons; captions are "" for the
    // defaults or the captions joined by "/". Answers "6", "7" or "2" for the first,
    // second and third button.
    virtual QString messageBox(const QString& prompt, const QString& title, qint32 icon,
                               quint8 buttons, const QString& captions, quint8 wrap) = 0;

    // The own input box: the typed text for the first button, "" for the second.
    // A font of "G" shows the text in the Georgian font.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& font,
                             const QString& initial, qint32 width, qint32 height) = 0;

    // The own list box: the chosen lines joined by CR LF, or their 0-based indexes each
    // followed by "/" with the last "/" cut when byIndex is set; "7" for the second button.
    virtual QString listBox(const QString& prompt, const QStringList& items, const QString& title,
                            const QString& font, qint32 width, qint32 height, qint16 byIndex) = 0;

    // A failure the program itself ran into, told in the own message box with one button;
    // the text (an error's own words) is shown in Latin letters.
    virtual void failureMessage(const QString& text) = 0;

    // The platform's own message box with an OK button.
    virtual void platformMessage(const QString& text, PlatformIcon icon, const QString& title) = 0;

    // The open and save dialogs. The filter is in the program's form, pairs of a name and
    // its patterns joined by "|" ("Text(*.txt)|*.txt|All Files|*.*"). The save dialog
    // proposes proposedName in folder ("" for the dialog's own choice) and asks before
    // replacing an existing file. The chosen path, or "" when the user cancelled.
    virtual QString openFileName(QWidget* owner, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& proposedName, const QString& folder) = 0;

    // The colour dialog, starting from initial (packed, red in the low byte): the chosen
    // colour, or nothing when the user cancelled.
    virtual std::optional<quint32> chooseColour(QWidget* owner, quint32 initial) = 0;

    // The open dialog starting in folder ("" for the dialog's own choice). Answerers that
    // do not tell folders apart answer as openFileName.
    virtual QString openFileNameIn(QWidget* owner, const QString& title, const QString& filter,
                                   const QString& folder)
    {
        Q_UNUSED(folder);
        return openFileName(owner, title, filter);
    }

    // The print dialog, without page numbers; selectionOffered lets the user print only
    // the selection, and chooses it at first. The printer set up as the user chose (its
    // print range says whether all or the selection is printed), or null when cancelled.
    virtual std::shared_ptr<QPrinter> printDialog(QWidget* owner, bool selectionOffered)
    {
        Q_UNUSED(owner);
        Q_UNUSED(selectionOffered);
        return nullptr;
    }
    // The font dialog over every installed font, starting from a font: the chosen font, or
    // nothing when the user cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* owner, const FontChoice& initial) = 0;
    // The open dialog choosing one file or several: the chosen paths, none when the user
    // cancelled. Where several cannot be chosen, one file through openFileName.
    virtual QStringList openFileNames(QWidget* owner, const QString& title, const QString& filter)
    {
        const QString path = openFileName(owner, title, filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
};

Prompts& prompts();
Prompts* installPrompts(Prompts* prompts);
