#pragma once

// The tag toolbar's pickers and the browser preview. The pickers' windows are still to come:
// until then each picker is closed without a choice.

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
