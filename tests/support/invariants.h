#pragma once

#include "documents/documentstate.h"

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The rules the document state keeps after every step, checked against what the editor
// shows: returns a failure naming the first rule broken.
inline testing::AssertionResult documentRulesHold(const DocumentState& state,
                                                  const QString& editorText)
{
    const ColectionMain& docs = state.Docs();
    if (state.LoadingText())
        return testing::AssertionFailure() << "LoadingText was left on";
    if (!state.DocsMode()) {
        if (docs.Count() != 0 || docs.WEBopened() || state.DocIndex() != -1)
            return testing::AssertionFailure()
                   << "single-file state with documents, a project or a current index";
    } else if (state.DocIndex() == -1) {
        if (!editorText.isEmpty())
            return testing::AssertionFailure() << "editor text without a document";
    } else {
        if (state.DocIndex() < 0 || state.DocIndex() >= docs.Count())
            return testing::AssertionFailure() << "DocIndex outside the collection";
        const Ithem& current = docs.Item(state.DocIndex());
        if (current.NoText)
            return testing::AssertionFailure() << "a document without text is current";
        if (current.Value != editorText && !current.Changed)
            return testing::AssertionFailure() << "edited text not marked changed";
    }
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const Ithem& item = docs.Item(i);
        if (item.NoText && (item.Value != QLatin1String("<XXX>") || item.Changed))
            return testing::AssertionFailure() << "document " << i << " without text was touched";
    }
    return testing::AssertionSuccess();
}
