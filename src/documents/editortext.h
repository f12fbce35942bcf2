#pragma once

// What the document state needs of the editor: its text, caret and selection. The main
// window's editor control provides it; tests give a plain stand-in.

#include <QString>

class EditorText
{
public:
    virtual ~EditorText() = default;

    virtual QString text() const = 0;
    // Replaces the whole text; the caret goes to the start.
    virtual void setText(const QString& text) = 0;
    virtual qint32 selStart() const = 0;
    virtual qint32 selLength() const = 0;
    virtual void select(qint32 start, qint32 length) = 0;
};
