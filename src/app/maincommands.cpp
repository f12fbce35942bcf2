#include "app/maincommands.h"

#include "core/commandcontext.h"
#include "core/frminfo.h"
#include "core/frmproperties.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "documents/documentstate.h"
#include "menus/menuregistry.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"

#include <QMenu>
#include <QWidget>

namespace {

// The help texts by number, typed in Latin keys; stored in the 8-bit layout, where the
// Latin words keep their bytes.
const char* const kHelpTexts[] = {
    "axali failis Seqmna",
    "UTF8 teqst failis gaxsna",
    "arsebuli failis gaxsna",
    "failis Cawera",
    "markirebuli teqstis kelmoradedan Targmna",
    "gaxsnili failis sxva formatiT Cawera",
    "prograrimis daxurva",
    "markirebulis kopireba",
    "buferidan Camateba",
    "markirebuli teqstis UTF8 kodireba",
    "markirebuli teqstis UTF8 kodireba da kopireba",
    "markirebulis amoWra",
    "Sriftis arCeva teqstisTvis",
    "mTeli teqstis kelmoradeSi gadayvana",
    "markirebuli teqstis kelmoradeSi gadayvana",
    "markirebuli UTF8 teqstis dekodireba",
    "mTeli teqstis UTF8 dekodireba",
    "mTeli teqstis markireba",
    "mTeli teqstis UTF8 kodireba",
    "mTeli teqstis kelmoradedan Targmna",
    "teqstis amobeWdva",
    "rusuli HEX kodidan kelmoradeSi gadayvana",
    "rusuli kelmoradedan HEX kodSi gadayvana",
    "qarTuli HEX kodis kelmoradeSi gadayvana",
    "qarTuli kelmoradis HEX kodSi gadayvana",
    "qarTuli UTF-8 kodis HEX UTF-8 kodSi gadayvana",
    "qarTuli UTF-8 kodis HEX UTF-8 kodSi gadayvana",
    "qarTuli kelmoradis HEX UTF-8 xucur(asomTavrul) kodSi gadayvana",
    "axali gverdis gaxsna matricebis siidan",
};

const char* const kHelpTopics[] = {"tolbar.htm", "klaviatura.htm", "weblist.HTML", ""};
const char* const kHelpTopicCaptions[] = {"instrumentebis zoli", "klaviatura", "failebis sia",
                                          "saerTo"};
const char* const kHelpTopicNames[] = {"mnuHLPtopiks0", "mnuHLPtopiks1", "mnuHLPtopiks2",
                                       "mnuHLPtopiks3"};

} // namespace

QString menuHelpText(const QString& number)
{
    for (int index = 0; index < int(std::size(kHelpTexts)); ++index) {
        if (number == QString::number(index + 1))
            return eightBitGeorgian(kHelpTexts[index]);
    }
    return {};
}

MainCommands::MainCommands(CommandContext& context) : m_context(context)
{
    addMenuCommands();
}

MainCommands::~MainCommands() = default;

void MainCommands::addMenuCommands()
{
    const DisplayMapKind keys = DisplayMapKind::GeorgianKeys;
    MenuRegistry& registry = m_context.registry();
    QMenu& file = registry.menu("mnuFile");
    registry.addSeparator(file);
    registry.add(file, {"mnunewwind", QStringLiteral(" axali fanjris gaxsna"), keys},
                 [this] { mnunewwind_Click(); });
    registry.addSeparator(file);
    registry.add(file, {"mnuQuit", QStringLiteral("|7|damTavreba"), keys},
                 [this] { mnuQuit_Click(); });

    registry.add(registry.menu("mnuExtras"),
                 {"mnuoptions", QStringLiteral("programis opcionebi"), keys},
                 [this] { mnuoptions_Click(); });

    QMenu& help = registry.menu("mnuHelp");
    QMenu& topics = registry.placeSubmenu(help, "mnuHLPtopiks");
    for (int index = 0; index < int(std::size(kHelpTopics)); ++index) {
        registry.add(topics,
                     {kHelpTopicNames[index], QLatin1String(kHelpTopicCaptions[index]), keys},
                     [this, index] { mnuHLPtopiks_Click(index); });
    }
    registry.addSeparator(help);
    registry.add(help, {"mnuinfo", QStringLiteral("INFO"), DisplayMapKind::Latin},
                 [this] { mnuinfo_Click(); });
}

void MainCommands::HelpObj_MenuHelp(const QString& /*menuText*/, const QString& help,
                                    qint16 /*enabled*/)
{
    m_context.setStatus(StatusPanel::Main,
                        DisplayMap::get(DisplayMapKind::GeorgianIso)
                            .toShown(QStringLiteral("   ") + menuHelpText(help)));
}

void MainCommands::mnuinfo_Click()
{
    if (!m_info)
        m_info = new frminfo(&m_context.owner());
    m_info->exec();
}

void MainCommands::mnuoptions_Click()
{
    if (!m_options)
        m_options = new frmproperties(&m_context.owner(), [this] { applyEditorFont(); });
    m_options->showOptions();
}

void MainCommands::applyEditorFont()
{
    // A new font may show the same bytes through another map: no edit of the text.
    EditorControl& editor = m_context.editor();
    const DocumentState::TextLoading loading(m_context.documents());
    editor.setFontRecord(editorFontFromOptions(editor.fontRecord(), Props.stfont));
}

void MainCommands::mnunewwind_Click()
{
    StartProgramAgain({QStringLiteral("NOMAX")});
}

void MainCommands::mnuHLPtopiks_Click(int index)
{
    ShowHelp(QLatin1String(kHelpTopics[index]));
}

void MainCommands::mnuQuit_Click()
{
    // Closing runs the main window's close sequence, with its save questions.
    m_context.owner().close();
}
