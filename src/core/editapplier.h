#pragma once

// Writes a text command's edit into the editor: the range is replaced as one undo step,
// the editor reports the change as any edit (so the document is marked changed), and the
// edit's selection is set afterwards.

struct TextEdit;
class EditorControl;

void applyEdit(EditorControl& editor, const TextEdit& edit);
