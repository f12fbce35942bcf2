#pragma once

// The page design subsystem: the frameset designer, the CSS style editor in its two modes and
// a new document from a page matrix, with their menu items. The frameset model lives here
// for the whole run.

#include "design/framesetmodel.h"

#include <QObject>

class CommandContext;

class DesignCommands : public QObject
{
    Q_OBJECT

public:
    explicit DesignCommands(CommandContext& context);
    ~DesignCommands() override;

    void mnuframe_Click();
    void mnuCSS_Click();
    void mnurollover_Click();
    void mnuHTmatrix_Click();
    // A new document holding the matrix at path; "" (no matrix chosen) does nothing. Without
    // any work in the editor the matrix becomes the editor's unnamed text.
    void openMatrix(const QString& path);

private:
    void addMenuCommands();
    void showCssEditor();

    CommandContext& m_context;
    FramesetDesign m_design;
    bool m_rollover = false;
};
