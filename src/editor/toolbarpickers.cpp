#include "editor/toolbarpickers.h"

#include "core/commandcontext.h"
#include "documents/previewcommands.h"

#include <QPoint>

ToolbarPickers::ToolbarPickers(CommandContext& context) : m_context(context)
{}

QString ToolbarPickers::colorload(const QPoint& /*screenTopLeft*/)
{
    // The colour picker comes with the colour and table picker window.
    return QString();
}

QString ToolbarPickers::tabload(const QPoint& /*screenTopLeft*/)
{
    // The table picker comes with the colour and table picker window.
    return QString();
}

QString ToolbarPickers::asos(const QPoint& /*screenTopLeft*/)
{
    // The character picker comes with the entity and character pickers.
    return QString();
}

void ToolbarPickers::in_brovzer()
{
    if (PreviewCommands* preview = m_context.subsystems().preview)
        preview->in_brovzer();
}
