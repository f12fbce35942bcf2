#include "publish/previewcommands.h"

#include "core/commandcontext.h"
#include "documents/documentstate.h"
#include "platform/prompts.h"
#include "publish/frmbr.h"

PreviewCommands::PreviewCommands(CommandContext& context) : m_context(context)
{}

PreviewCommands::~PreviewCommands()
{
    // The window refers to the pages: it goes first. Its pages go with the private folder.
    delete m_window;
}

void PreviewCommands::in_brovzer()
{
    DocumentState& state = m_context.documents();
    const std::optional<PreviewPlan> plan =
        m_pages.plan({state.Docs(), state.DocIndex(), state.editorText()});
    if (!plan)
        return;
    if (plan->storeEditorText)
        state.store();
    QString error;
    if (!m_pages.write(*plan, &error)) {
        prompts().failureMessage(error);
        return;
    }
    if (!m_window)
        m_window = new frmBR(m_context.owner(), m_pages);
    m_window->openHTML(plan->target);
}
