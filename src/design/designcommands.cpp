#include "design/designcommands.h"

#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "design/frmcssstile.h"
#include "design/frmdesign.h"
#include "design/frmmatrix.h"
#include "documents/documentcommands.h"
#include "documents/documentfiles.h"
#include "documents/documentstate.h"
#include "menus/menuregistry.h"
#include "platform/textfile.h"

#include <QMenu>

DesignCommands::DesignCommands(CommandContext& context) : m_context(context)
{
    addMenuCommands();
}

DesignCommands::~DesignCommands() = default;

void DesignCommands::addMenuCommands()
{
    const DisplayMapKind latin = DisplayMapKind::Latin;
    MenuRegistry& registry = m_context.registry();
    QMenu& mnuobSi = registry.menu("mnuobSi");
    registry.add(mnuobSi, {"mnuframe", QStringLiteral("Frame"), latin},
                 [this] { mnuframe_Click(); });
    registry.addSeparator(mnuobSi);
    registry.add(mnuobSi, {"mnuCSS", QStringLiteral("CSS Style"), latin},
                 [this] { mnuCSS_Click(); });
    QMenu& mnulinks = registry.menu("mnulinks");
    registry.addSeparator(mnulinks);
    registry.add(mnulinks, {"mnurollover", QStringLiteral("Rollovereffect"), latin},
                 [this] { mnurollover_Click(); });
    registry.add(registry.menu("mnunew"),
                 {"mnuHTmatrix", QStringLiteral("|29|HTML ") + eightBitGeorgian("matrica")},
                 [this] { mnuHTmatrix_Click(); });
}

void DesignCommands::mnuframe_Click()
{
    frmDesign designer(m_context, m_design);
    designer.exec();
}

void DesignCommands::mnuCSS_Click()
{
    m_rollover = false;
    showCssEditor();
}

void DesignCommands::mnurollover_Click()
{
    m_rollover = true;
    showCssEditor();
}

void DesignCommands::showCssEditor()
{
    frmCSSstile editor(m_context, m_rollover);
    editor.exec();
}

void DesignCommands::mnuHTmatrix_Click()
{
    openMatrix(frmMatrix::matrica(&m_context.owner()));
}

void DesignCommands::openMatrix(const QString& path)
{
    if (path.isEmpty())
        return;
    // A matrix that vanished since it was listed is an empty page.
    const TextFileRead read = readTextFile(path);
    if (read.status != FileStatus::Readable && read.status != FileStatus::Missing) {
        tellUser(refusalMessage(read.status));
        return;
    }
    DocumentState& state = m_context.documents();
    if (!state.DocsMode() && !state.singleFileHoldsWork()) {
        state.resetToSingleFile(FilePath(), read.text);
        return;
    }
    const QString html = QStringLiteral(".HTML");
    if (!state.DocsMode() && !state.adopt(untitledName(0, html)))
        return;
    const qint16 added =
        state.appendShown(read.text, FilePath(), untitledName(state.Docs().Count(), html), true);
    if (added < 0)
        return;
    if (DocumentCommands* documents = m_context.subsystems().documents)
        documents->showAdded(added);
}
