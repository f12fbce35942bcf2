#pragma once

// The text-functions menu mnuFont, in the edit menu and on Shift and the right mouse
// button: case, one word per line, joining lines, stripping tags, distributing the text
// into lines, combining lists with the clipboard's, deleting every occurrence of the
// selection and splitting the selected lines into groups. Each rewrites the selection as
// one undo step; nothing happens without a selection.

#include <QObject>

#include <optional>

class CommandContext;

class TextFunctionCommands : public QObject
{
    Q_OBJECT

public:
    explicit TextFunctionCommands(CommandContext& context);

    // mnuTF(0..7); 2 is the separator.
    void mnuTF_Click(int index);
    void mnumarkfinddel_Click();
    void mnulinesnaid_Click();

private:
    struct Layout
    {
        qint32 width;
        qint32 indent;
    };
    // The line width and the paragraph indent of the distribution, asked in turn; nothing
    // once an answer is out of its range, and the text stays as it is.
    static std::optional<Layout> askLayout();

    CommandContext& m_context;
};
