#include "editor/textfunctioncommands.h"

#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "editor/editcommands.h"
#include "editor/selectionedits.h"
#include "editor/textblock.h"
#include "editor/textfunctions.h"
#include "menus/menuregistry.h"
#include "platform/busycursor.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"

#include <QMenu>

namespace {

// The one-line input box of these questions, in twips.
constexpr qint32 kAnswerWidth = 5000;
constexpr qint32 kAnswerHeight = 300;
constexpr quint8 kMessageWrap = 50;

QString askOneLine(const QString& prompt, const QString& preset = QString())
{
    return InputBoxa(prompt, QString(), QStringLiteral("L"), preset, kAnswerWidth, kAnswerHeight);
}

} // namespace

TextFunctionCommands::TextFunctionCommands(CommandContext& context) : m_context(context)
{
    MenuRegistry& registry = context.registry();
    QMenu& edit = registry.menu("mnuEdit");
    registry.addSeparator(edit);
    QMenu& mnuFont = registry.placeSubmenu(edit, "mnuFont", EnableRule::NeedsSelection);
    const char* const captions[] = {"didi asoebi",
                                    "patara asoebi",
                                    nullptr,
                                    "sia markirebuli sityvebisgan",
                                    "xazebis gaerTianeba",
                                    "tegebis moSoreba",
                                    "teqstis ganawileba",
                                    "siebis kombinireba"};
    for (int index = 0; index < int(std::size(captions)); ++index) {
        if (!captions[index]) {
            registry.addSeparator(mnuFont);
            continue;
        }
        const QByteArray name = QByteArrayLiteral("mnuTF") + QByteArray::number(index);
        registry.add(mnuFont, {name.constData(), eightBitGeorgian(captions[index])},
                     [this, index] { mnuTF_Click(index); });
    }
    registry.add(mnuFont, {"mnumarkfinddel", eightBitGeorgian("markirebuli povna da waSla")},
                 [this] { mnumarkfinddel_Click(); });
    registry.add(mnuFont, {"mnulinesnaid", eightBitGeorgian("xazebis daWra")},
                 [this] { mnulinesnaid_Click(); });
}

void TextFunctionCommands::mnuTF_Click(int index)
{
    EditorControl& editor = m_context.editor();
    const EditorSelection selection = selectionOf(editor);
    if (selection.isEmpty())
        return;
    switch (index) {
    case 6:
        if (const std::optional<Layout> layout = askLayout()) {
            const BusyCursor busy;
            applyToEditor(editor, distributeSelection(selection, layout->width, layout->indent));
        }
        break;
    case 7:
        applyToEditor(editor, combineLists(selection, clipboardByteText(editor.displayMap())));
        break;
    default: {
        const BusyCursor busy;
        applyToEditor(editor, textFunctionEdit(TextFunction(index), selection));
        break;
    }
    }
}

std::optional<TextFunctionCommands::Layout> TextFunctionCommands::askLayout()
{
    const std::optional<qint32> width =
        lineWidthAnswer(askOneLine(kLineWidthPrompt, kLineWidthPreset));
    if (!width)
        return std::nullopt;
    const std::optional<qint32> indent = indentAnswer(askOneLine(kIndentPrompt, kIndentPreset));
    if (!indent)
        return std::nullopt;
    return Layout{*width, *indent};
}

void TextFunctionCommands::mnumarkfinddel_Click()
{
    EditorControl& editor = m_context.editor();
    const EditorSelection selection = selectionOf(editor);
    if (selection.isEmpty())
        return;
    const BusyCursor busy;
    applyToEditor(editor, deleteAllOccurrences(editor.Text(), selection));
}

void TextFunctionCommands::mnulinesnaid_Click()
{
    EditorControl& editor = m_context.editor();
    const EditorSelection selection = selectionOf(editor);
    if (selection.isEmpty())
        return;
    const std::optional<qint16> groupSize = groupSizeAnswer(askOneLine(kGroupSizePrompt));
    if (!groupSize)
        return;
    const QString separator = askOneLine(kGroupSeparatorPrompt);
    if (separator.isEmpty())
        return;
    const LineGroups groups = splitLinesIntoGroups(selection, *groupSize, separator);
    if (groups.tooFewLines) {
        MsgBoxa(kTooFewLinesMessage, QString(), kIconError, 1, QString(), kMessageWrap);
        return;
    }
    applyToEditor(editor, groups.edit);
}
