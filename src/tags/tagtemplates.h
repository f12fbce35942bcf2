#pragma once

// The HTML tag templates the program carries in its resource HTMLKODS, offered by the tag
// picker (Tagsload). The resource is 8-bit text with CR LF line ends: an entry begins with a
// line "#T=" and the entry's name, and the lines up to the next such line are its template.
// In a template the mark "^!" stands where the selected text goes. The resource ends in NUL
// bytes of padding, which are no part of the text.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct TagTemplate
{
    qsizetype entry; // 1-based, in the order of the resource
    QString name;
    QString text; // its lines joined by CR LF, no line end after the last
};

// The entries in the resource's order. Lines before the first entry belong to none.
QList<TagTemplate> parseTagTemplates(const QByteArray& resource);

// The entries in the picker's order: by the codes of their names' characters with ASCII
// letters folded ("!DOCTYPE" before "<!--", "H1" before "HEAD"), equal names in entry order.
QList<TagTemplate> pickerOrder(QList<TagTemplate> templates);

// The program's own templates, in the picker's order; nothing when the resource is missing.
std::optional<QList<TagTemplate>> loadTagTemplates();
