#pragma once

// The question the main window asks before it closes, if any, from the state of the
// documents: a changed project, changed or new project files, changed documents, or the
// changed text of the single file in the editor.

#include <QString>

#include <optional>

class ColectionMain;

struct CloseQuestion
{
    QString prompt;
    QString title;
};

struct EditorCloseState
{
    bool docsMode = false;      // documents are held in the collection
    QString editorPath;         // the single file's path ("" unnamed)
    bool editorChanged = false; // the single file's text changed
    bool editorEmpty = true;
};

std::optional<CloseQuestion> closeQuestion(const EditorCloseState& editor,
                                           const ColectionMain& docs);

// After the user asked to save: whether anything the questions were about is still not
// saved (so closing now would lose it).
bool unsavedWorkRemains(const EditorCloseState& editor, const ColectionMain& docs);
