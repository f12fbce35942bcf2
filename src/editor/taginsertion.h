#pragma once

// Writing HTML at the caret: the tag commands of the hidden pop-up menus and the paragraph
// alignment menu, lists, links and pictures from files, tag templates and wrap templates.
// Every command works on the editor's selection (which may be empty) and takes one of two
// shapes:
// - wrap: the selection becomes open + selection + close and stays selected inside the tags;
// - insert: a snippet replaces the selection and the caret goes to a given place in it.

#include "core/textedit.h"
#include "editor/editorselection.h"

#include <QLatin1String>
#include <QString>

#include <optional>

TextEdit wrapSelection(const EditorSelection& selection, const QString& open, const QString& close);
// The caret goes caret characters into the snippet.
TextEdit insertSnippet(const EditorSelection& selection, const QString& snippet, qint32 caret);

// The edit of a command that is one wrap or one insert, by its menu item: name and, for items
// of a menu array, index (-1 for a single item): mnuH(0..5), mnulink, mnuFtag, mnuFtag2,
// mnuFS, mnuFC, mnuFF, mnutlinks, mnucenter, mnurecht wrap the selection; mnuImageTag,
// mnuaplet, mnuform, mnuImap, mnuscript, mnuFrKo(0..9) insert a snippet. Nothing for any
// other item.
std::optional<TextEdit> tagCommandEdit(QLatin1String menu, int index,
                                       const EditorSelection& selection);

// A path as the value of an HTML attribute: the file system's bytes as 8-bit characters,
// with a double quote (which would end the attribute) written as %22.
QString pathAsAttribute(const QString& path);

// mnuHTMfile, mnuanxorfile: the selection wrapped in a link to the chosen file's full path.
TextEdit linkToFile(const EditorSelection& selection, const QString& path);
// mnuImageFile: a picture tag for the chosen file with its size in pixels, the caret after it.
TextEdit pictureFromFile(const EditorSelection& selection, const QString& path, int width,
                         int height);

// mnulist(0..2). The selected lines become the list's items; without a selection an empty
// list of two items is inserted. The caret goes after the list.
enum class ListKind { Ordered = 0, Unordered = 1, Definitions = 2 };
TextEdit listFromSelection(const EditorSelection& selection, ListKind kind);

// The mark in a tag template where the selected text goes.
inline constexpr QLatin1String kTemplateMark("^!");
// mnumisk: the chosen tag template with every mark replaced by the selection, which is
// selected again at the first mark; a template without a mark replaces the selection and
// leaves the caret after it. An empty answer (the picker was cancelled) changes nothing.
std::optional<TextEdit> tagTemplateEdit(const EditorSelection& selection,
                                        const QString& tagTemplate);

// The separator between the two halves of a wrap template's body.
inline constexpr QLatin1String kWrapSeparator("<\xA7$\xA7>");
// A wrap template's body cut at its last separator: what goes before the selection and what
// after. A body without one (a template file from elsewhere) goes before the selection whole.
struct WrapHalves
{
    QString before;
    QString after;
};
WrapHalves splitWrapBody(const QString& body);
// mnuTFlist(i): the selection wrapped in the template's two halves.
TextEdit wrapTemplateEdit(const EditorSelection& selection, const QString& body);
