#pragma once

// The tag toolbar's pickers and the browser preview: the picker windows, and the preview
// subsystem's in_brovzer.

#include "core/pickers.h"

class CommandContext;

class ToolbarPickers : public Pickers
{
public:
    explicit ToolbarPickers(CommandContext& context);

    QString colorload(const QPoint& screenTopLeft) override;
    QString tabload(const QPoint& screenTopLeft) override;
    QString asos(const QPoint& screenTopLeft) override;
    void in_brovzer() override;

private:
    CommandContext& m_context;
};
