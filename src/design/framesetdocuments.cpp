#include "design/framesetdocuments.h"

#include "core/commandcontext.h"
#include "core/editapplier.h"
#include "core/previewvalues.h"
#include "core/textedit.h"
#include "design/framesetpages.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "platform/editorcontrol.h"

namespace {

void setFramesetOn(CommandContext& context, bool on)
{
    if (PreviewValues* preview = context.subsystems().previewValues)
        preview->FrameSetOn = on;
}

bool appendFrameset(CommandContext& context, const FramesetBuild& build)
{
    std::vector<MadeDocument> made;
    made.reserve(build.documents.size());
    for (const GeneratedDocument& document : build.documents)
        made.push_back({document.text, document.FileTitle, document.FrameSet});
    DocumentState& state = context.documents();
    const qint16 frameset = state.appendMade(made, build.editorText);
    if (frameset < 0)
        return false;
    state.markProjectListChanged();
    if (DocumentCommands* documents = context.subsystems().documents)
        documents->showAdded(frameset);
    return true;
}

} // namespace

bool placeFramesetPages(CommandContext& context, const FramesetBuild& build)
{
    if (build.framesetOn) {
        if (!appendFrameset(context, build))
            return false;
    } else {
        EditorControl& editor = context.editor();
        applyEdit(editor, TextEdit::wholeText(editor.TextLength(), build.editorText, 0, 0));
    }
    setFramesetOn(context, build.framesetOn);
    return true;
}
