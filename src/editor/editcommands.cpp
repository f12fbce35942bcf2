#include "editor/editcommands.h"

#include "editor/answers.h"
#include "platform/bytetext.h"

#include <QList>
#include <QStringMatcher>
#include <QStringView>

#include <algorithm>

std::optional<TextEdit> pasteEdit(const EditorSelection& selection,
                                  const std::optional<QString>& clipboardText)
{
    if (!clipboardText || clipboardText->isEmpty())
        return std::nullopt;
    return TextEdit::typing(selection.start, selection.length(), *clipboardText);
}

std::optional<TextEdit> deleteAllOccurrences(const QString& text, const EditorSelection& selection)
{
    if (selection.isEmpty())
        return std::nullopt;
    const QStringMatcher matcher(selection.text);
    const qsizetype needle = selection.text.size();
    QString rest;
    rest.reserve(text.size());
    qsizetype copiedUpTo = 0;
    for (qsizetype found = matcher.indexIn(text, 0); found >= 0;
         found = matcher.indexIn(text, found + needle)) {
        rest.append(QStringView(text).mid(copiedUpTo, found - copiedUpTo));
        copiedUpTo = found + needle;
    }
    rest.append(QStringView(text).mid(copiedUpTo));
    const qint32 caret = std::min(selection.start, qint32(rest.size()));
    return TextEdit::wholeText(qint32(text.size()), rest, caret, 0);
}

std::optional<qint16> groupSizeAnswer(const QString& answer)
{
    const std::optional<qint16> size = sixteenBitAnswer(answer);
    if (!size || *size == 0)
        return std::nullopt;
    return size;
}

LineGroups splitLinesIntoGroups(const EditorSelection& selection, qint16 groupSize,
                                const QString& separator)
{
    const QList<QStringView> lines = QStringView(selection.text).split(kCrLf);
    if (lines.size() - 1 < groupSize)
        return {true, {}};
    QString grouped;
    grouped.reserve(selection.text.size() +
                    (groupSize > 0 ? lines.size() / groupSize : 0) * (separator.size() + 2));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            grouped.append(kCrLf);
        grouped.append(lines[i]);
        if (groupSize > 0 && (i + 1) % groupSize == 0)
            grouped.append(kCrLf).append(separator);
    }
    return {false, rewrittenSelection(selection, grouped)};
}
