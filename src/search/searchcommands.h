#pragma once

// The search subsystem's commands: the search window (mnusuch, F3), the list-replace window
// (mnuparzuch), and the wrap templates: the program's list of them (TFormats), their window
// (mnuNewTMPF) and their menu (mnutmpformat, one item mnuTFlist(i) per template), which is
// rebuilt on every change of the list. Each window is made the first time it is shown and
// lives as long as this subsystem.

#include "search/wraptemplates.h"

#include <QObject>
#include <QPointer>

class CommandContext;
class MenuItemList;
class QAction;
class frmsuch;
class frmtempformat;
class frmxascvla;

class SearchCommands : public QObject
{
    Q_OBJECT

public:
    explicit SearchCommands(CommandContext& context);
    ~SearchCommands() override;

    void mnusuch_Click();
    void mnuparzuch_Click();
    void mnuNewTMPF_Click();
    // Puts template index around the editor's selection.
    void mnuTFlist_Click(int index);
    // The templates menu as TFormats stands: one item per template, the separator before
    // them hidden while there is none.
    void TFormatladen();

    const std::vector<TFormat>& TFormats() const { return m_templates.TFormats(); }

    // The windows once they were shown, else nullptr.
    frmsuch* searchWindow() const;
    frmxascvla* listReplaceWindow() const;
    frmtempformat* templateWindow() const;

private:
    void templatesChanged();

    CommandContext& m_context;
    TFormatList m_templates;
    QAction* m_templateSeparator = nullptr;
    MenuItemList* mnuTFlist = nullptr;
    QPointer<frmsuch> m_search;
    QPointer<frmxascvla> m_listReplace;
    QPointer<frmtempformat> m_templateWindow;
};
