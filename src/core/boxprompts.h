#pragma once

#include "platform/prompts.h"

class FileDialogStart;
class QFileDialog;

// The program's questions as the user sees them: its own message, input and list boxes
// in the one program-wide frmBOXa, the platform's message box for platformMessage, and
// the file dialogs, which start where dialogStart says and tell it what the user chose.
class BoxPrompts : public Prompts
{
public:
    explicit BoxPrompts(FileDialogStart& dialogStart) : m_dialogStart(dialogStart) {}

    QString messageBox(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                       const QString& captions, quint8 wrap) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& font,
                     const QString& initial, qint32 width, qint32 height) override;
    // The string form of the list box: "7" for its second button.
    QString listBox(const QString& prompt, const QStringList& items, const QString& title,
                    const QString& font, qint32 width, qint32 height, qint16 byIndex) override;
    void failureMessage(const QString& text) override;
    void platformMessage(const QString& text, PlatformIcon icon, const QString& title) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& proposedName, const QString& folder) override;
    std::optional<quint32> chooseColour(QWidget* owner, quint32 initial) override;
    QString openFileNameIn(QWidget* owner, const QString& title, const QString& filter,
                           const QString& folder) override;
    std::shared_ptr<QPrinter> printDialog(QWidget* owner, bool selectionOffered) override;
    std::optional<FontChoice> chooseFont(QWidget* owner, const FontChoice& initial) override;
    QStringList openFileNames(QWidget* owner, const QString& title, const QString& filter) override;

private:
    QString runFileDialog(QFileDialog& dialog, const QString& filter);

    FileDialogStart& m_dialogStart;
};

// A filter in the program's form ("Text(*.txt)|*.txt|All Files|*.*") as the file dialog's
// name filters ("Text(*.txt) (*.txt)", "All Files (*)"); "*.*" means every file.
QStringList dialogNameFilters(const QString& programFilter);
