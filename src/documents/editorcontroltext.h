#pragma once

// The editor control as the document state sees it: its text, caret and selection.

#include "documents/editortext.h"

class EditorControl;

class EditorControlText : public EditorText
{
public:
    explicit EditorControlText(EditorControl& editor) : m_editor(editor) {}
    QString text() const override;
    void setText(const QString& text) override;
    qint32 selStart() const override;
    qint32 selLength() const override;
    void select(qint32 start, qint32 length) override;

private:
    EditorControl& m_editor;
};
