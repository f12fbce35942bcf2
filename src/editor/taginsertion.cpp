#include "editor/taginsertion.h"

#include "platform/bytetext.h"

#include <QFile>
#include <QList>
#include <QStringView>

namespace {

struct TagWrapping
{
    QLatin1String menu;
    int index;
    QLatin1String open;
    QLatin1String close;
};

struct TagSnippet
{
    QLatin1String menu;
    int index;
    QLatin1String snippet;
    qint32 caret; // characters into the snippet
};

constexpr TagWrapping kWrappings[] = {
    {QLatin1String("mnuH"), 0, QLatin1String("<H1>"), QLatin1String("</H1>")},
    {QLatin1String("mnuH"), 1, QLatin1String("<H2>"), QLatin1String("</H2>")},
    {QLatin1String("mnuH"), 2, QLatin1String("<H3>"), QLatin1String("</H3>")},
    {QLatin1String("mnuH"), 3, QLatin1String("<H4>"), QLatin1String("</H4>")},
    {QLatin1String("mnuH"), 4, QLatin1String("<H5>"), QLatin1String("</H5>")},
    {QLatin1String("mnuH"), 5, QLatin1String("<H6>"), QLatin1String("</H6>")},
    {QLatin1String("mnulink"), -1, QLatin1String("<A HREF=\"\">"), QLatin1String("</A>")},
    {QLatin1String("mnuFtag"), -1, QLatin1String("<FONT FACE=\"\" SIZE=\"\" COLOR=\"\">"),
     QLatin1String("</FONT>")},
    {QLatin1String("mnuFtag2"), -1, QLatin1String("<FONT>"), QLatin1String("</FONT>")},
    {QLatin1String("mnuFS"), -1, QLatin1String("<FONT SIZE=\"\">"), QLatin1String("</FONT>")},
    {QLatin1String("mnuFC"), -1, QLatin1String("<FONT COLOR=\"\">"), QLatin1String("</FONT>")},
    {QLatin1String("mnuFF"), -1, QLatin1String("<FONT FACE=\"\">"), QLatin1String("</FONT>")},
    {QLatin1String("mnutlinks"), -1,
     QLatin1String("<P style=\"text-align:left; margin-left:0.9cm\">"), QLatin1String("</P>")},
    {QLatin1String("mnucenter"), -1,
     QLatin1String("<P style=\"text-align:justify; margin-left:1.0cm; margin-right:1.0cm\">"),
     QLatin1String("</P>")},
    {QLatin1String("mnurecht"), -1,
     QLatin1String("<P style=\"text-align:right; margin-right:1.0cm\">"), QLatin1String("</P>")},
};

constexpr TagSnippet kSnippets[] = {
    {QLatin1String("mnuImageTag"), -1,
     QLatin1String("<IMG BORDER=\"0\" SRC=\"\" WIDTH=\"\" HEIGHT=\"\" ALIGN=\"\" ALT=\"\">"), 58},
    {QLatin1String("mnuaplet"), -1,
     QLatin1String("<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\">\r\n</APPLET>"), 14},
    {QLatin1String("mnuform"), -1, QLatin1String("<FORM METHOD=POST ACTION=\"\">\r\n\r\n</FORM>"),
     30},
    {QLatin1String("mnuImap"), -1,
     QLatin1String(
         "<MAP NAME=\"\">\r\n\t<AREA SHAPE=\"\" HREF=\"\" COORDS=\"\" ALT=\"\">\r\n</MAP>"),
     11},
    {QLatin1String("mnuscript"), -1,
     QLatin1String("<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n//-->\r\n</SCRIPT>"), 38},
    {QLatin1String("mnuFrKo"), 0, QLatin1String("<INPUT TYPE=\"text\" NAME=\"\">"), 25},
    {QLatin1String("mnuFrKo"), 1, QLatin1String("<SELECT NAME=\"\"></SELECT>"), 16},
    {QLatin1String("mnuFrKo"), 2, QLatin1String("<INPUT TYPE=\"radio\" NAME=\"\">"), 26},
    {QLatin1String("mnuFrKo"), 3, QLatin1String("<INPUT TYPE=\"checkbox\" NAME=\"\">"), 29},
    {QLatin1String("mnuFrKo"), 4,
     QLatin1String("<TEXTAREA NAME=\"\" ROWS=\"\" COLS=\"\"></TEXTAREA>"), 34},
    {QLatin1String("mnuFrKo"), 5, QLatin1String("<INPUT TYPE=\"reset\">"), 20},
    {QLatin1String("mnuFrKo"), 6, QLatin1String("<INPUT TYPE=\"submit\">"), 21},
    {QLatin1String("mnuFrKo"), 7, QLatin1String("<INPUT TYPE=\"password\">"), 23},
    {QLatin1String("mnuFrKo"), 8, QLatin1String("<INPUT TYPE=\"hidden\">"), 21},
    {QLatin1String("mnuFrKo"), 9, QLatin1String("<INPUT TYPE=\"image\" SRC=\"\">"), 25},
};

struct ListTags
{
    QLatin1String open;
    QLatin1String close;
    QLatin1String item;       // every item of a list made from lines
    QLatin1String secondItem; // the second item of an empty list
};

ListTags listTags(ListKind kind)
{
    switch (kind) {
    case ListKind::Ordered:
        return {QLatin1String("<OL>"), QLatin1String("</OL>"), QLatin1String("<LI>"),
                QLatin1String("<LI>")};
    case ListKind::Unordered:
        return {QLatin1String("<UL>"), QLatin1String("</UL>"), QLatin1String("<LI>"),
                QLatin1String("<LI>")};
    case ListKind::Definitions:
        break;
    }
    return {QLatin1String("<DL>"), QLatin1String("</DL>"), QLatin1String("<DD>"),
            QLatin1String("<DT>")};
}

const QLatin1String kItemIndent("   ");

} // namespace

TextEdit wrapSelection(const EditorSelection& selection, const QString& open, const QString& close)
{
    QString text;
    text.reserve(open.size() + selection.text.size() + close.size());
    text.append(open).append(selection.text).append(close);
    return TextEdit::replacingSelection(selection.start, selection.length(), text,
                                        selection.start + qint32(open.size()), selection.length());
}

TextEdit insertSnippet(const EditorSelection& selection, const QString& snippet, qint32 caret)
{
    return TextEdit::replacingSelection(selection.start, selection.length(), snippet,
                                        selection.start + caret, 0);
}

std::optional<TextEdit> tagCommandEdit(QLatin1String menu, int index,
                                       const EditorSelection& selection)
{
    for (const TagWrapping& wrapping : kWrappings)
        if (wrapping.menu == menu && wrapping.index == index)
            return wrapSelection(selection, wrapping.open, wrapping.close);
    for (const TagSnippet& snippet : kSnippets)
        if (snippet.menu == menu && snippet.index == index)
            return insertSnippet(selection, snippet.snippet, snippet.caret);
    return std::nullopt;
}

QString pathAsAttribute(const QString& path)
{
    QString bytes = bytesToText(QFile::encodeName(path));
    return bytes.replace(u'"', QLatin1String("%22"));
}

TextEdit linkToFile(const EditorSelection& selection, const QString& path)
{
    return wrapSelection(selection,
                         QLatin1String("<A HREF=\"") + pathAsAttribute(path) + QLatin1String("\">"),
                         QStringLiteral("</A>"));
}

TextEdit pictureFromFile(const EditorSelection& selection, const QString& path, int width,
                         int height)
{
    const QString tag = QLatin1String("<IMG BORDER=\"0\" SRC=\"") + pathAsAttribute(path) +
                        QLatin1String("\" WIDTH=\"") + QString::number(width) +
                        QLatin1String("\" HEIGHT=\"") + QString::number(height) +
                        QLatin1String("\" ALIGN=\"\" ALT=\"\">");
    return TextEdit::typing(selection.start, selection.length(), tag);
}

TextEdit listFromSelection(const EditorSelection& selection, ListKind kind)
{
    const ListTags tags = listTags(kind);
    QString list;
    list.reserve(selection.text.size() * 2 + 32);
    list.append(tags.open).append(kCrLf);
    if (selection.isEmpty()) {
        list.append(kItemIndent).append(tags.item).append(kCrLf);
        list.append(kItemIndent).append(tags.secondItem).append(kCrLf);
    } else {
        for (const QStringView line : QStringView(selection.text).split(kCrLf))
            list.append(kItemIndent).append(tags.item).append(line).append(kCrLf);
    }
    list.append(tags.close);
    return TextEdit::typing(selection.start, selection.length(), list);
}

std::optional<TextEdit> tagTemplateEdit(const EditorSelection& selection,
                                        const QString& tagTemplate)
{
    if (tagTemplate.isEmpty())
        return std::nullopt;
    const qsizetype mark = tagTemplate.indexOf(kTemplateMark);
    QString text = tagTemplate;
    text.replace(kTemplateMark, selection.text);
    if (mark < 0)
        return TextEdit::typing(selection.start, selection.length(), text);
    return TextEdit::replacingSelection(selection.start, selection.length(), text,
                                        selection.start + qint32(mark), selection.length());
}

WrapHalves splitWrapBody(const QString& body)
{
    const qsizetype separator = body.lastIndexOf(kWrapSeparator);
    if (separator < 0)
        return {body, QString()};
    return {body.left(separator), body.mid(separator + kWrapSeparator.size())};
}

TextEdit wrapTemplateEdit(const EditorSelection& selection, const QString& body)
{
    const WrapHalves halves = splitWrapBody(body);
    return wrapSelection(selection, halves.before, halves.after);
}
