#pragma once

// The window side of the text commands: the editor's selection as they read it, and their
// edit written back as one undo step.

#include "core/textedit.h"
#include "editor/editorselection.h"

#include <optional>

class EditorControl;

EditorSelection selectionOf(const EditorControl& editor);

// Writes the edit, when the command made one, and gives the editor the keyboard focus.
void applyToEditor(EditorControl& editor, const std::optional<TextEdit>& edit);
