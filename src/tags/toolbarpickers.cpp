#include "tags/toolbarpickers.h"

#include "core/commandcontext.h"
#include "core/pagepreview.h"
#include "tags/frmasos.h"
#include "tags/frmtabcolor.h"

#include <QPoint>

ToolbarPickers::ToolbarPickers(CommandContext& context) : m_context(context)
{}

QString ToolbarPickers::colorload(const QPoint& screenTopLeft)
{
    return frmTabColor::colorload(&m_context.owner(), screenTopLeft);
}

QString ToolbarPickers::tabload(const QPoint& screenTopLeft)
{
    return frmTabColor::tabload(&m_context.owner(), screenTopLeft);
}

QString ToolbarPickers::asos(const QPoint& screenTopLeft)
{
    return frmasos::asos(&m_context.owner(), screenTopLeft);
}

void ToolbarPickers::in_brovzer()
{
    if (PagePreview* preview = m_context.subsystems().preview)
        preview->in_brovzer();
}
