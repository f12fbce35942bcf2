#include "search/searchcommands.h"

#include "core/commandcontext.h"
#include "core/editapplier.h"
#include "editor/editorselection.h"
#include "editor/taginsertion.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"
#include "search/frmsuch.h"
#include "search/frmtempformat.h"
#include "search/frmxascvla.h"

#include <QMenu>

SearchCommands::SearchCommands(CommandContext& context) : m_context(context)
{
    MenuRegistry& registry = context.registry();
    registry.add(registry.menu("mnuEdit"),
                 {"mnuparzuch", eightBitGeorgian("Zebna da Secvla parametrebiT")},
                 [this] { mnuparzuch_Click(); });

    QMenu& extras = registry.menu("mnuExtras");
    registry.add(extras,
                 {"mnusuch", QStringLiteral("Zebna da Secvla"), DisplayMapKind::GeorgianKeys,
                  QKeySequence(Qt::Key_F3)},
                 [this] { mnusuch_Click(); });
    QMenu& mnutmpformat = registry.placeSubmenu(extras, "mnutmpformat");
    registry.add(mnutmpformat, {"mnuNewTMPF", eightBitGeorgian("axali formati")},
                 [this] { mnuNewTMPF_Click(); });
    registry.addSeparator(mnutmpformat);
    m_templateSeparator = mnutmpformat.actions().constLast();
    mnuTFlist = &registry.itemList(mnutmpformat, "mnuTFlist", DisplayMapKind::GeorgianIso,
                                   [this](int index) { mnuTFlist_Click(index); });
    m_templates.setOnChange([this] { templatesChanged(); });
    TFormatladen();
}

SearchCommands::~SearchCommands()
{
    // The windows work on this subsystem's templates and context: they go with it.
    delete m_search.data();
    delete m_listReplace.data();
    delete m_templateWindow.data();
}

frmsuch* SearchCommands::searchWindow() const
{
    return m_search;
}

frmxascvla* SearchCommands::listReplaceWindow() const
{
    return m_listReplace;
}

frmtempformat* SearchCommands::templateWindow() const
{
    return m_templateWindow;
}

void SearchCommands::mnusuch_Click()
{
    if (!m_search)
        m_search = new frmsuch(m_context);
    m_search->suchen();
}

void SearchCommands::mnuparzuch_Click()
{
    if (!m_listReplace)
        m_listReplace = new frmxascvla(m_context);
    m_listReplace->showWindow();
}

void SearchCommands::mnuNewTMPF_Click()
{
    if (!m_templateWindow)
        m_templateWindow = new frmtempformat(m_context, m_templates);
    m_templateWindow->show();
    m_templateWindow->raise();
    m_templateWindow->activateWindow();
}

void SearchCommands::mnuTFlist_Click(int index)
{
    if (index < 0 || std::size_t(index) >= TFormats().size())
        return;
    EditorControl& editor = m_context.editor();
    const EditorSelection selection{editor.SelStart(), editor.SelText()};
    applyEdit(editor, wrapTemplateEdit(selection, TFormats()[std::size_t(index)].body));
}

void SearchCommands::TFormatladen()
{
    QStringList names;
    for (const TFormat& format : TFormats())
        names << format.name;
    mnuTFlist->setItems(names);
    m_templateSeparator->setVisible(!names.isEmpty());
}

void SearchCommands::templatesChanged()
{
    TFormatladen();
    if (m_templateWindow)
        m_templateWindow->showTemplates();
}
