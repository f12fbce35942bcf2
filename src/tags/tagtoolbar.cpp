#include "tags/tagtoolbar.h"

#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "menus/menucaption.h"
#include "tags/tablemarkup.h"

#include <array>

namespace {

struct ButtonDefinition
{
    ToolbarButton button;
    const char* opening = nullptr; // the tags a wrapping button puts around the selection
    const char* closing = nullptr;
    const char* hint = ""; // Latin hints; the Georgian ones are made in georgianHint()
};

constexpr ToolbarAction kInsert = ToolbarAction::InsertText;
constexpr ToolbarAction kMenu = ToolbarAction::PopupMenu;

// clang-format off
const std::array<ButtonDefinition, kToolbarButtons> kButtons = {{
    /*  0 */ {{kInsert}, "<B>", "</B>", "Bold (Alt+B)"},
    /*  1 */ {{kInsert}, "<I>", "</I>", "Italik (Alt+I)"},
    /*  2 */ {{kInsert}, "<U>", "</U>", "Underline (Alt+U)"},
    /*  3 */ {{kMenu, "mnuFonti"}, nullptr, nullptr, "Font"},
    /*  4 */ {{ToolbarAction::ColourPicker}, nullptr, nullptr, "Color"},
    /*  5 */ {{kInsert}, nullptr, nullptr, "Non Breaking Space (Strg+Y)"},
    /*  6 */ {{kInsert}, nullptr, nullptr, "Break (Strg+B)"},
    /*  7 */ {{kInsert}, "<P>", "</P>", "Paragraph (Alt+P)"},
    /*  8 */ {{kMenu, "mnuHtags", 20}, nullptr, nullptr, "Heading"},
    /*  9 */ {{kMenu, "mnusurs"}, nullptr, nullptr, "Image"},
    /* 10 */ {{kMenu, "mnulinks"}, nullptr, nullptr, "Anchor"},
    /* 11 */ {{kInsert}, nullptr, nullptr, "Horizontal Line (Alt+L)"},
    /* 12 */ {{kInsert}, "<!-- ", " -->", "Comment (Alt+K)"},
    /* 13 */ {{ToolbarAction::TablePicker}, nullptr, nullptr, "Table"},
    /* 14 */ {{kInsert}, "<CENTER>", "</CENTER>", "Center (Alt+C)"},
    /* 15 */ {{kInsert}, "<BLOCKQUOTE>", "</BLOCKQUOTE>", "Block Quotation"},
    /* 16 */ {{kInsert}, "<PRE>", "</PRE>", "Preformat (Alt+R)"},
    /* 17 */ {{kMenu, "mnusiebi"}, nullptr, nullptr, "LIst"},
    /* 18 */ {{kMenu, "mnuFK"}, nullptr, nullptr, "Controls"},
    /* 19 */ {{kInsert}, nullptr, nullptr, "Blue"},
    /* 20 */ {{kInsert}, nullptr, nullptr, "Green"},
    /* 21 */ {{ToolbarAction::DecodeSelection}},
    /* 22 */ {{ToolbarAction::EncodeSelection}},
    /* 23 */ {{ToolbarAction::CharacterPicker}, nullptr, nullptr, "Special Character"},
    /* 24 */ {{ToolbarAction::DecodedViewBox}},
    /* 25 */ {{kMenu, "mnuobSi"}},
    /* 26 */ {{ToolbarAction::BrowserPreview}},
}};
// clang-format on

bool isButton(int code)
{
    return code >= 0 && code < kToolbarButtons;
}

// The hints stored in the 8-bit layout. Button 21 decodes the selection from UTF-8 to
// ordinary text and button 22 encodes it, so each hint names its own button's action.
QString georgianHint(int button)
{
    switch (button) {
    case 21:
        return eightBitGeorgian("markirebuli teqstis normaluri kodireba");
    case 22:
        return eightBitGeorgian("markirebuli teqstis UTF-8 kodireba");
    case 24:
        return eightBitGeorgian("Targmnis boqsi");
    case 25:
        return eightBitGeorgian("HTML tegebi da sxavdasxva funqciebi");
    case 26:
        return eightBitGeorgian("brauzerSi naxva");
    default:
        return {};
    }
}

QString fontColourTag(quint32 colour)
{
    return QStringLiteral("<FONT COLOR=\"") + ColorToHtml(colour) + QStringLiteral("\">");
}

} // namespace

int toolbarButtonAt(int x)
{
    return x < 0 ? -1 : x / kToolbarButtonWidth;
}

bool isOnToolbar(QPoint point, QSize bar)
{
    return point.x() >= 0 && point.x() < bar.width() && point.y() >= 0 && point.y() < bar.height();
}

int clickedToolbarButton(QPoint release, QSize bar)
{
    const int button = toolbarButtonAt(release.x());
    return isOnToolbar(release, bar) && isButton(button) ? button : -1;
}

QString toolbarHintText(int button)
{
    const QString blanks = QStringLiteral("   ");
    if (!isButton(button))
        return blanks;
    const QString georgian = georgianHint(button);
    return blanks + (georgian.isEmpty() ? QString::fromLatin1(kButtons[button].hint) : georgian);
}

ToolbarButton toolbarButton(int code)
{
    return isButton(code) ? kButtons[code].button : ToolbarButton{};
}

QPoint toolbarButtonBottomLeft(int code, int barHeight)
{
    return {kToolbarButtonWidth * code, barHeight};
}

TextEdit wrapSelection(const QString& opening, const QString& closing, const QString& selected,
                       qint32 selStart)
{
    const auto length = qint32(selected.size());
    return TextEdit::replacingSelection(selStart, length, opening + selected + closing,
                                        selStart + qint32(opening.size()), length);
}

std::optional<TextEdit> toolbarTextEdit(int code, const QString& selected, qint32 selStart,
                                        const ProgProps& props)
{
    if (!isButton(code) || kButtons[code].button.action != ToolbarAction::InsertText)
        return std::nullopt;
    const ButtonDefinition& definition = kButtons[code];
    const auto length = qint32(selected.size());
    if (definition.opening)
        return wrapSelection(QString::fromLatin1(definition.opening),
                             QString::fromLatin1(definition.closing), selected, selStart);
    switch (code) {
    case 5:
        return TextEdit::typing(selStart, length, noBreakSpace(props));
    case 6:
        return TextEdit::typing(selStart, length, selected + QStringLiteral("<BR>"));
    case 11:
        return TextEdit::typing(selStart, length, QStringLiteral("<HR>"));
    case 19:
        return wrapSelection(fontColourTag(props.firstcolor), QStringLiteral("</FONT>"), selected,
                             selStart);
    case 20:
        return wrapSelection(fontColourTag(props.lastcolor), QStringLiteral("</FONT>"), selected,
                             selStart);
    default:
        Q_UNREACHABLE();
    }
}

std::optional<TextEdit> pickerAnswerEdit(int code, const QString& answer, const QString& selected,
                                         qint32 selStart, const ProgProps& props)
{
    const auto length = qint32(selected.size());
    QString text;
    switch (code) {
    case 4: {
        // The FONT form marks with "$" where the selected text goes.
        const qsizetype marker = answer.indexOf(QLatin1Char('$'));
        if (marker >= 0) {
            QString filled = answer;
            filled.replace(QLatin1Char('$'), selected);
            return TextEdit::replacingSelection(selStart, length, filled, selStart + qint32(marker),
                                                length);
        }
        text = answer;
        break;
    }
    case 13:
        text = tabelisteqsti(answer, noBreakSpace(props));
        break;
    case 23:
        text = answer;
        break;
    default:
        return std::nullopt;
    }
    if (text.isEmpty())
        return std::nullopt;
    return TextEdit::typing(selStart, length, text);
}
