#include "core/editapplier.h"

#include "core/textedit.h"
#include "platform/editorcontrol.h"

void applyEdit(EditorControl& editor, const TextEdit& edit)
{
    // Each move of the selection lays out the caret's line again: only the moves needed.
    if (editor.SelStart() != edit.start || editor.SelLength() != edit.length)
        editor.setSelection(edit.start, edit.length);
    editor.setSelText(edit.replacement);
    const bool caretAfterText =
        edit.selLength == 0 && edit.selStart == edit.start + qint32(edit.replacement.size());
    if (!caretAfterText)
        editor.setSelection(edit.selStart, edit.selLength);
}
