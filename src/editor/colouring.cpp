#include "editor/colouring.h"

#include "core/commandcontext.h"
#include "documents/documentstate.h"
#include "editor/htmlcolours.h"
#include "platform/busycursor.h"
#include "platform/editorcontrol.h"

namespace {

// The overlay's runs: every run but the plain ones, which keep the editor's own colour.
QList<EditorControl::ColourRun> overlayRuns(const QList<HtmlColourRun>& runs)
{
    static const QColor blue(0, 0, 255);
    static const QColor red(255, 0, 0);
    static const QColor green(0, 150, 50);
    QList<EditorControl::ColourRun> overlay;
    overlay.reserve(runs.size());
    for (const HtmlColourRun& run : runs) {
        switch (run.colour) {
        case HtmlColour::Plain:
            break;
        case HtmlColour::Blue:
            overlay.append({run.start, run.length, blue});
            break;
        case HtmlColour::Red:
            overlay.append({run.start, run.length, red});
            break;
        case HtmlColour::Green:
            overlay.append({run.start, run.length, green});
            break;
        }
    }
    return overlay;
}

} // namespace

Colouring::Colouring(CommandContext& context) : m_context(context)
{}

bool Colouring::ColorizeOn() const
{
    return m_context.editor().hasColourOverlay();
}

void Colouring::ColorizeHTML()
{
    EditorControl& editor = m_context.editor();
    // The overlay changes no text; should anything report a change meanwhile, it is still
    // none of the user's.
    const DocumentState::TextLoading loading(m_context.documents());
    if (editor.hasColourOverlay()) {
        editor.clearColourOverlay();
        return;
    }
    const BusyCursor busy;
    editor.setColourOverlay(overlayRuns(htmlColourRuns(editor.Text())));
}
