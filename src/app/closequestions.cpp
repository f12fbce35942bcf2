#include "app/closequestions.h"

#include "core/collection.h"
#include "platform/bytetext.h"

namespace {

const QString kWantToSave = QStringLiteral("ginda cvlilebebis damaxsovreba?");
const QString kWantToSaveYouAll = QStringLiteral("gindaT cvlilebebis damaxsovreba?");
const QString kProjectTitle = QStringLiteral("Sag niemals nie");

bool singleFileNeedsQuestion(const EditorCloseState& editor)
{
    return editor.editorChanged && (!editor.editorPath.isEmpty() || !editor.editorEmpty);
}

} // namespace

std::optional<CloseQuestion> closeQuestion(const EditorCloseState& editor,
                                           const ColectionMain& docs)
{
    if (!editor.docsMode) {
        if (!singleFileNeedsQuestion(editor))
            return std::nullopt;
        if (!editor.editorPath.isEmpty())
            return CloseQuestion{QStringLiteral("faili Seicvala.") + kCrLf + kWantToSaveYouAll, {}};
        return CloseQuestion{kWantToSaveYouAll, {}};
    }

    if (docs.WEBopened()) {
        if (docs.WEBChanged())
            return CloseQuestion{QStringLiteral("proeqti Seicvala.") + kCrLf + kCrLf + kWantToSave,
                                 kProjectTitle};
        if (anyDocumentChanged(docs) || anyDocumentOutsideProject(docs))
            return CloseQuestion{QStringLiteral("proeqtis failebi Seicvala.") + kCrLf + kCrLf +
                                     kWantToSave,
                                 kProjectTitle};
        return std::nullopt;
    }

    // Without a project, changed documents are asked about too, so that none is dropped.
    if (anyDocumentChanged(docs))
        return CloseQuestion{kWantToSaveYouAll, {}};
    return std::nullopt;
}

bool unsavedWorkRemains(const EditorCloseState& editor, const ColectionMain& docs)
{
    if (!editor.docsMode)
        return singleFileNeedsQuestion(editor);
    return anyDocumentChanged(docs) || (docs.WEBopened() && docs.WEBChanged());
}
