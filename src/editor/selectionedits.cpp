#include "editor/selectionedits.h"

#include "core/editapplier.h"
#include "platform/editorcontrol.h"

EditorSelection selectionOf(const EditorControl& editor)
{
    return {editor.SelStart(), editor.SelText()};
}

void applyToEditor(EditorControl& editor, const std::optional<TextEdit>& edit)
{
    if (edit)
        applyEdit(editor, *edit);
    editor.setFocus();
}
