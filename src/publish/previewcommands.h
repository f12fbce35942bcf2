#pragma once

// The browser preview: in_brovzer shows the editor's document as a web page. The page files
// (PreviewPages, one for the whole run) are planned and written first; the preview window
// frmBR is made when a preview opens and goes when it closes. Other subsystems reach the
// preview's values through pages(): the frameset designer sets FrameSetOn and empties
// brovzerFiles there.

#include "core/pagepreview.h"
#include "publish/previewpages.h"

#include <QObject>
#include <QPointer>

class CommandContext;
class frmBR;

class PreviewCommands : public QObject, public PagePreview
{
    Q_OBJECT

public:
    explicit PreviewCommands(CommandContext& context);
    ~PreviewCommands() override;

    // Shows the editor's text in the preview window (the tag toolbar's button 26). Nothing
    // happens for an empty editor; a page file that cannot be written is reported and
    // leaves the preview unopened.
    void in_brovzer() override;

    PreviewPages& pages() { return m_pages; }

private:
    CommandContext& m_context;
    PreviewPages m_pages;
    QPointer<frmBR> m_window; // while a preview is open
};
