#include "tags/tagcommands.h"

#include "core/commandcontext.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "documents/pageskeleton.h"
#include "editor/selectionedits.h"
#include "editor/taginsertion.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"
#include "platform/prompts.h"
#include "tags/frmkod.h"
#include "tags/frmtags.h"

#include <QImageReader>
#include <QMenu>

namespace {

const QString kHtmlFilesFilter = QStringLiteral("(*.HTM,*.HTML)|*.htm;*.html");
const QString kAllFilesFilter = QStringLiteral("All Files(*.*)|*.*");
const QString kPicturesFilter = QStringLiteral("(*.jpg;*.gif)|*.jpg;*.gif");

const char* const kFormControls[] = {
    "Text Box",     "List Box",      "Radio Button", "Check Box",    "Text Area",
    "Reset Button", "Submit Button", "Password Box", "Hidden Field", " Image"};

QString indexed(const char* name, int index)
{
    return QLatin1String(name) + QString::number(index);
}

} // namespace

TagCommands::TagCommands(CommandContext& context) : m_context(context)
{
    addTagMenus();
    addFileMenus();
}

void TagCommands::addTagItem(QMenu& menu, const QString& name, QLatin1String command, int index,
                             const QString& caption)
{
    const QByteArray registered = name.toLatin1();
    m_context.registry().add(menu, {registered.constData(), caption},
                             [this, command, index] { tagCommand_Click(command, index); });
}

void TagCommands::addTagMenus()
{
    MenuRegistry& registry = m_context.registry();

    QMenu& headings = registry.menu("mnuHtags");
    for (int level = 0; level < 6; ++level)
        addTagItem(headings, indexed("mnuH", level), QLatin1String("mnuH"), level,
                   indexed("H", level + 1));

    QMenu& fonts = registry.menu("mnuFonti");
    addTagItem(fonts, QStringLiteral("mnuFtag"), QLatin1String("mnuFtag"), -1,
               QStringLiteral("Font Tag 1"));
    addTagItem(fonts, QStringLiteral("mnuFtag2"), QLatin1String("mnuFtag2"), -1,
               QStringLiteral("Font Tag 2"));
    registry.add(fonts, {"mnuFname", QStringLiteral("Font Name")}, [this] { mnuFname_Click(); });
    addTagItem(fonts, QStringLiteral("mnuFS"), QLatin1String("mnuFS"), -1,
               QStringLiteral("Font Size"));
    addTagItem(fonts, QStringLiteral("mnuFC"), QLatin1String("mnuFC"), -1,
               QStringLiteral("Font Color"));
    addTagItem(fonts, QStringLiteral("mnuFF"), QLatin1String("mnuFF"), -1,
               QStringLiteral("Font Face"));

    QMenu& formControls = registry.menu("mnuFK");
    for (int control = 0; control < int(std::size(kFormControls)); ++control)
        addTagItem(formControls, indexed("mnuFrKo", control), QLatin1String("mnuFrKo"), control,
                   QLatin1String(kFormControls[control]));

    QMenu& lists = registry.menu("mnusiebi");
    const char* const listCaptions[] = {"nomerirebuli", "aranomerirebuli", "definiciebi"};
    for (int kind = 0; kind < 3; ++kind) {
        const QByteArray name = indexed("mnulist", kind).toLatin1();
        registry.add(lists, {name.constData(), eightBitGeorgian(listCaptions[kind])},
                     [this, kind] { mnulist_Click(kind); });
    }

    // mnuframe and mnuCSS, with the separator before mnuCSS, follow with the page design
    // windows.
    QMenu& general = registry.menu("mnuobSi");
    registry.add(general, {"mnumisk", QStringLiteral("HTML Tags")}, [this] { mnumisk_Click(); });
    registry.add(general, {"mnuhtheader", QStringLiteral("HTML ") + eightBitGeorgian("sawyisi")},
                 [this] { mnuhtheader_Click(); });
    registry.addSeparator(general);
    for (const auto& [name, caption] : {std::pair{"mnuscript", "Script"},
                                        {"mnuaplet", "Applet"},
                                        {"mnuform", "Form"},
                                        {"mnuImap", "Image Map"}})
        addTagItem(general, QLatin1String(name), QLatin1String(name), -1, QLatin1String(caption));

    QMenu& format = registry.menu("mnuformat");
    for (const auto& [name, caption] :
         {std::pair{"mnutlinks", "marcxniv"}, {"mnucenter", "bloki"}, {"mnurecht", "marjvniv"}})
        addTagItem(format, QLatin1String(name), QLatin1String(name), -1, eightBitGeorgian(caption));
}

void TagCommands::addFileMenus()
{
    MenuRegistry& registry = m_context.registry();

    QMenu& pictures = registry.menu("mnusurs");
    registry.add(pictures, {"mnuImageFile", QStringLiteral("Image File")},
                 [this] { mnuImageFile_Click(); });
    addTagItem(pictures, QStringLiteral("mnuImageTag"), QLatin1String("mnuImageTag"), -1,
               QStringLiteral("Image Tag"));

    // mnurollover, after a separator, follows with the CSS style editor.
    QMenu& links = registry.menu("mnulinks");
    addTagItem(links, QStringLiteral("mnulink"), QLatin1String("mnulink"), -1,
               QStringLiteral("Anchor"));
    registry.add(links, {"mnuHTMfile", QStringLiteral("HTML ") + eightBitGeorgian("faili")},
                 [this] { linkToChosenFile(kHtmlFilesFilter); });
    registry.add(links, {"mnuanxorfile", eightBitGeorgian("faili")},
                 [this] { linkToChosenFile(kAllFilesFilter); });

    QMenu& language = registry.menu("mnuena");
    registry.addSeparator(language);
    registry.add(language,
                 {"mnurusaso", eightBitGeorgian("rusuli asoebi"), DisplayMapKind::GeorgianIso,
                  QKeySequence(Qt::CTRL | Qt::Key_T)},
                 [this] { mnurusaso_Click(); });
}

void TagCommands::tagCommand_Click(QLatin1String command, int index)
{
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, tagCommandEdit(command, index, selectionOf(editor)));
}

void TagCommands::mnuImageFile_Click()
{
    const QString path = prompts().openFileName(&m_context.owner(), QString(), kPicturesFilter);
    if (path.isEmpty())
        return;
    // The picture's own size, in pixels as HTML counts them.
    const QSize size = QImageReader(path).read().size();
    if (size.isEmpty())
        return;
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, pictureFromFile(selectionOf(editor), path, size.width(), size.height()));
}

void TagCommands::linkToChosenFile(const QString& filter)
{
    const QString folder = m_context.documents().Docs().openProjectFolder();
    const QString path = prompts().openFileNameIn(&m_context.owner(), QString(), filter, folder);
    if (path.isEmpty())
        return;
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, linkToFile(selectionOf(editor), path));
}

void TagCommands::mnulist_Click(int index)
{
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, listFromSelection(selectionOf(editor), ListKind(index)));
}

void TagCommands::mnuFname_Click()
{
    const QString name = frmTags::fontebisdatenva(&m_context.owner(), pickerCorner());
    if (name.isEmpty())
        return;
    // The name enters the text as typed characters do, through the editor's display map.
    EditorControl& editor = m_context.editor();
    const EditorSelection selection = selectionOf(editor);
    applyToEditor(editor, TextEdit::typing(selection.start, selection.length(),
                                           editor.displayMap().fromShown(name)));
}

void TagCommands::mnumisk_Click()
{
    const QString tagTemplate = frmTags::Tagsload(&m_context.owner(), pickerCorner());
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, tagTemplateEdit(selectionOf(editor), tagTemplate));
}

void TagCommands::mnuhtheader_Click()
{
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, pageSkeletonEdit(editor.Text(), Props));
}

void TagCommands::mnurusaso_Click()
{
    if (!m_letterGrid)
        m_letterGrid = new frmkod(m_context);
    m_letterGrid->show();
    m_letterGrid->raise();
}

QPoint TagCommands::pickerCorner() const
{
    return QPoint(m_context.owner().mapToGlobal(QPoint(0, 0)).x(),
                  m_context.editorContainer().mapToGlobal(QPoint(0, 0)).y());
}
