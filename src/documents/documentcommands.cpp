#include "documents/documentcommands.h"

#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "documents/documentstate.h"
#include "documents/opencommands.h"
#include "documents/savecommands.h"
#include "documents/treecommands.h"
#include "menus/menuregistry.h"

#include <QMenu>

namespace {

const QString kCaption = QStringLiteral("Kelmora");

} // namespace

DocumentCommands::DocumentCommands(CommandContext& context)
    : m_context(context), m_tree(std::make_unique<TreeCommands>(*this, context)),
      m_saving(std::make_unique<SaveCommands>(*this, context)),
      m_opening(std::make_unique<OpenCommands>(*this, context))
{
    addMenuCommands();
}

DocumentCommands::~DocumentCommands() = default;

DocumentState& DocumentCommands::state()
{
    return m_context.documents();
}

WebProjects& DocumentCommands::projects()
{
    return *m_context.subsystems().projects;
}

void DocumentCommands::addMenuCommands()
{
    MenuRegistry& registry = m_context.registry();
    QMenu& file = registry.menu("mnuFile");
    QMenu& mnunew = registry.placeSubmenu(file, "mnunew");
    registry.add(mnunew,
                 {"mnunewF0", QStringLiteral("HTML ") + eightBitGeorgian("faili"),
                  DisplayMapKind::GeorgianIso, QKeySequence(Qt::CTRL | Qt::Key_H)},
                 [this] { m_saving->mnunewF_Click(0); });
    registry.add(mnunew, {"mnunewF1", eightBitGeorgian("WEB proeqti")},
                 [this] { m_saving->mnunewF_Click(1); });
    registry.add(mnunew, {"mnunewF2", eightBitGeorgian("teqst faili")},
                 [this] { m_saving->mnunewF_Click(2); });
    registry.add(
        file,
        {"mnuOpen", QStringLiteral("|3|gaxsna"), DisplayMapKind::GeorgianKeys, QKeySequence::Open},
        [this] { m_opening->mnuOpen_Click(); });
    registry.add(file, {"mnuUnopen", QStringLiteral("|2|UTF8 ") + eightBitGeorgian("gaxsna")},
                 [this] { m_opening->mnuUnopen_Click(); });
    registry.add(file,
                 {"mnurecentfile", QStringLiteral("gaxsnili failebis sia"),
                  DisplayMapKind::GeorgianKeys, QKeySequence(Qt::CTRL | Qt::Key_F2)},
                 [this] { m_opening->mnurecentfile_Click(); });
    mnuSave = registry.add(file,
                           {"mnuSave", QStringLiteral("|4|Cawera"), DisplayMapKind::GeorgianKeys,
                            QKeySequence(Qt::CTRL | Qt::Key_S), EnableRule::Manual},
                           [this] { m_saving->mnuSave_Click(); });
    mnuSaveas =
        registry.add(file,
                     {"mnuSaveas", QStringLiteral("|6|Cawera rogorc"), DisplayMapKind::GeorgianKeys,
                      QKeySequence(Qt::CTRL | Qt::Key_W), EnableRule::Manual},
                     [this] { m_saving->mnuSaveas_Click(); });
    enableSave(false);
    enableSaveAs(false);
}

void DocumentCommands::T1_Change()
{
    if (state().LoadingText())
        return;
    if (state().editorEdited())
        m_tree->Treefulen();
    enableSave(true);
    enableSaveAs(true);
}

void DocumentCommands::T1_GotFocus()
{
    m_tree->T1_GotFocus();
}

void DocumentCommands::enableSave(bool enabled)
{
    mnuSave->setEnabled(enabled);
}

void DocumentCommands::enableSaveAs(bool enabled)
{
    mnuSaveas->setEnabled(enabled);
}

void DocumentCommands::showAdded(qint16 index)
{
    m_tree->Treefulen();
    m_tree->selectDocumentNode(index);
    enableSave(true);
    enableSaveAs(true);
}

void DocumentCommands::showCaptionFor(const QString& path)
{
    if (state().DocsMode())
        showPlainCaption();
    else
        m_context.setCaption(kCaption + QStringLiteral(" [") + path + QLatin1Char(']'));
}

void DocumentCommands::showPlainCaption()
{
    m_context.setCaption(kCaption);
}

void DocumentCommands::showPicture(const QString& path)
{
    if (!m_context.showPicture(path))
        tellUser(QStringLiteral("suraTis Cveneba ver moxerxda."));
}
