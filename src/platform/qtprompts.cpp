#include "platform/qtprompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAnswers[] = {QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("2")};

QString captionOr(const QStringList& captions, int index, const QString& fallback)
{
    return index < captions.size() ? captions[index] : fallback;
}

QString windowTitle(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationName() : title;
}

} // namespace

QString QtPrompts::messageBox(const QString& prompt, const QString& title, qint32 /*icon*/,
                              quint8 buttons, const QString& captions, quint8 /*wrap*/)
{
    const int count = qBound(1, int(buttons), 3);
    const QStringList custom =
        captions.isEmpty() ? QStringList() : captions.split(QLatin1Char('/'));
    const QString defaults[] = {count == 1 ? QStringLiteral("OK") : QStringLiteral("xo"),
                                QStringLiteral("ara"), QStringLiteral("Sewyveta")};

    QMessageBox box(QMessageBox::NoIcon, windowTitle(title), prompt);
    QList<QAbstractButton*> pressed;
    for (int i = 0; i < count; ++i)
        pressed << box.addButton(captionOr(custom, i, defaults[i]), QMessageBox::AcceptRole);
    box.setEscapeButton(pressed.last());
    box.exec();
    const qsizetype index = pressed.indexOf(box.clickedButton());
    // Closing the box through its frame answers as its last button.
    return kAnswers[index < 0 ? count - 1 : index];
}

QString QtPrompts::inputBox(const QString& prompt, const QString& title, const QString& /*font*/,
                            const QString& initial, qint32 /*width*/, qint32 /*height*/)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(nullptr, windowTitle(title), prompt,
                                               QLineEdit::Normal, initial, &accepted);
    return accepted ? text : QString();
}

QString QtPrompts::listBox(const QString& prompt, const QStringList& items, const QString& title,
                           const QString& /*font*/, qint32 /*width*/, qint32 /*height*/,
                           qint16 byIndex)
{
    QDialog dialog;
    dialog.setWindowTitle(windowTitle(title));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt));
    auto* list = new QListWidget;
    list->addItems(items);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (!list->selectedItems().isEmpty())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return QStringLiteral("7");

    QStringList chosen;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            chosen << (byIndex ? QString::number(row) : items[row]);
    }
    return chosen.join(byIndex ? QStringLiteral("/") : QStringLiteral("\r\n"));
}

void QtPrompts::platformMessage(const QString& text, PlatformIcon icon, const QString& title)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Critical, QMessageBox::Warning,
                                              QMessageBox::Information, QMessageBox::Question};
    QMessageBox box(icons[int(icon)], windowTitle(title), text, QMessageBox::Ok);
    box.exec();
}
