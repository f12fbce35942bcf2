#include "documents/editorcontroltext.h"

#include "platform/editorcontrol.h"

QString EditorControlText::text() const
{
    return m_editor.Text();
}

void EditorControlText::setText(const QString& text)
{
    m_editor.setText(text);
}

qint32 EditorControlText::selStart() const
{
    return m_editor.SelStart();
}

qint32 EditorControlText::selLength() const
{
    return m_editor.SelLength();
}

void EditorControlText::select(qint32 start, qint32 length)
{
    m_editor.setSelection(start, length);
}
