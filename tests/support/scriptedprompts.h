#pragma once

#include "platform/prompts.h"

#include <QList>
#include <QStringList>

// Answers the program's questions from a script and records every question asked.
// Installed while it lives; a question with no scripted answer fails the test.
class ScriptedPrompts : public Prompts
{
public:
    struct Question
    {
        // "message", "input", "list", "platform", "open", "save", "colour" or "font"
        QString kind;
        QString prompt;
        QString title;
        qint32 icon = 0;
        quint8 buttons = 0;
        QString captions;
        quint8 wrap = 0;
        QStringList items;
        QString filter;                // the file dialogs' filter
        QString proposedName;          // the save dialog's proposed name
        QString folder;                // and its folder; the open dialog's starting folder
        bool selectionOffered = false; // the print dialog offered to print the selection
    };

    explicit ScriptedPrompts(QStringList answers = {});
    ~ScriptedPrompts() override;

    void answer(const QString& next) { m_answers << next; }
    const QList<Question>& asked() const { return m_asked; }

    QString messageBox(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                       const QString& captions, quint8 wrap) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& font,
                     const QString& initial, qint32 width, qint32 height) override;
    QString listBox(const QString& prompt, const QStringList& items, const QString& title,
                    const QString& font, qint32 width, qint32 height, qint16 byIndex) override;
    // Recorded as kind "failure"; it needs no scripted answer.
    void failureMessage(const QString& text) override;
    void platformMessage(const QString& text, PlatformIcon icon, const QString& title) override;
    // The file dialogs answer the next scripted text as the chosen path ("" cancels).
    QString openFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& proposedName, const QString& folder) override;
    // The colour dialog answers the next scripted text: "#RRGGBB" chooses that colour, ""
    // cancels. The question's prompt is the starting colour in the same form.
    std::optional<quint32> chooseColour(QWidget* owner, quint32 initial) override;
    QString openFileNameIn(QWidget* owner, const QString& title, const QString& filter,
                           const QString& folder) override;
    // The print dialog answers "all|FILE" or "selection|FILE" ("" cancels): the printer
    // writes a PDF file there, printing that range.
    std::shared_ptr<QPrinter> printDialog(QWidget* owner, bool selectionOffered) override;

    // The font dialog answers the next scripted text as "family/size/style" with style "",
    // "B", "I" or "BI" ("" cancels). The question's prompt is the starting font in the same
    // form.
    std::optional<FontChoice> chooseFont(QWidget* owner, const FontChoice& initial) override;

    static QString fontText(const FontChoice& font);

private:
    QString nextAnswer(Question question);

    QStringList m_answers;
    QList<Question> m_asked;
    Prompts* m_previous;
};
