#include "core/editapplier.h"

#include "core/textedit.h"
#include "platform/editorcontrol.h"

void applyEdit(EditorControl& editor, const TextEdit& edit)
{
    editor.setSelection(edit.start, edit.length);
    editor.setSelText(edit.replacement);
    editor.setSelection(edit.selStart, edit.selLength);
}
