#include "core/boxprompts.h"

#include "core/frmboxa.h"
#include "core/sharedroutines.h"
#include "platform/displaymap.h"
#include "platform/filedialogstart.h"
#include "platform/packedcolour.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QMessageBox::Icon messageBoxIcon(Prompts::PlatformIcon icon)
{
    switch (icon) {
    case Prompts::PlatformIcon::Critical:
        return QMessageBox::Critical;
    case Prompts::PlatformIcon::Exclamation:
        return QMessageBox::Warning;
    case Prompts::PlatformIcon::Question:
        return QMessageBox::Question;
    case Prompts::PlatformIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QString BoxPrompts::messageBox(const QString& prompt, const QString& title, qint32 icon,
                               quint8 buttons, const QString& captions, quint8 wrap)
{
    return BOXa().gaxsna(prompt, title, icon, buttons, captions, wrap);
}

QString BoxPrompts::inputBox(const QString& prompt, const QString& title, const QString& font,
                             const QString& initial, qint32 width, qint32 height)
{
    return BOXa().MMinputi(prompt, title, font, initial, width, height);
}

QString BoxPrompts::listBox(const QString& prompt, const QStringList& items, const QString& title,
                            const QString& font, qint32 width, qint32 height, qint16 byIndex)
{
    return BOXa().InputList(prompt, items, title, font, width, height, byIndex);
}

void BoxPrompts::failureMessage(const QString& text)
{
    BOXa().gaxsna(text, QStringLiteral("ERROR"), kIconError, 1, QString(), 40,
                  DisplayMapKind::Latin);
}

void BoxPrompts::platformMessage(const QString& text, PlatformIcon icon, const QString& title)
{
    // The platform's box speaks the system's code page, not Georgian.
    const DisplayMap& latin = DisplayMap::get(DisplayMapKind::Latin);
    QMessageBox box(messageBoxIcon(icon),
                    title.isEmpty() ? QApplication::applicationName() : latin.toShown(title),
                    latin.toShown(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QStringList dialogNameFilters(const QString& programFilter)
{
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString BoxPrompts::runFileDialog(QFileDialog& dialog, const QString& filter)
{
    dialog.setNameFilters(dialogNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_dialogStart.fileChosen(dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

QString BoxPrompts::openFileName(QWidget* owner, const QString& title, const QString& filter)
{
    return openFileNameIn(owner, title, filter, QString());
}

QString BoxPrompts::openFileNameIn(QWidget* owner, const QString& title, const QString& filter,
                                   const QString& folder)
{
    QFileDialog dialog(owner, title, m_dialogStart.folder(folder));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filter);
}

QStringList BoxPrompts::openFileNames(QWidget* owner, const QString& title, const QString& filter)
{
    QFileDialog dialog(owner, title, m_dialogStart.folder(QString()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return runFileDialog(dialog, filter).isEmpty() ? QStringList() : dialog.selectedFiles();
}

QString BoxPrompts::saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& proposedName, const QString& folder)
{
    QFileDialog dialog(owner, title, m_dialogStart.folder(folder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    return runFileDialog(dialog, filter);
}

std::optional<quint32> BoxPrompts::chooseColour(QWidget* owner, quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(unpackedColour(initial), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return packedColour(chosen);
}

std::shared_ptr<QPrinter> BoxPrompts::printDialog(QWidget* owner, bool selectionOffered)
{
    auto printer = std::make_shared<QPrinter>();
    QPrintDialog dialog(printer.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionOffered);
    printer->setPrintRange(selectionOffered ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

std::optional<FontChoice> BoxPrompts::chooseFont(QWidget* owner, const FontChoice& initial)
{
    QFont start(initial.family);
    if (initial.pointSize > 0)
        start.setPointSize(initial.pointSize);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, start, owner);
    if (!chosen)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSize(), font.bold(), font.italic()};
}
