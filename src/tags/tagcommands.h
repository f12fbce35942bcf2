#pragma once

// The tag-insertion commands: the hidden pop-up menus the tag toolbar and the editor's
// shortcuts open (headings, pictures, links, lists, the general tags, fonts, form controls),
// the paragraph alignment menu, the wrap templates' handler and the letter grid. Each
// command writes its edit over the editor's selection as one undo step and gives the
// editor the focus.

#include <QLatin1String>
#include <QObject>
#include <QPoint>

class CommandContext;
class QMenu;
class frmkod;

class TagCommands : public QObject
{
    Q_OBJECT

public:
    // Fills mnuHtags, mnusurs, mnulinks, mnusiebi, mnuobSi, mnuFonti, mnuFK and mnuformat,
    // and puts mnurusaso in the language menu.
    explicit TagCommands(CommandContext& context);

    void mnuImageFile_Click();
    // mnuHTMfile (HTML files) and mnuanxorfile (any file): a link to the chosen file.
    void linkToChosenFile(const QString& filter);
    void mnulist_Click(int index);
    void mnuFname_Click();
    void mnumisk_Click();
    void mnuhtheader_Click();
    // Shows the letter grid, the one program-wide window.
    void mnurusaso_Click();

private:
    void addTagItem(QMenu& menu, const QString& name, QLatin1String command, int index,
                    const QString& caption);
    void addTagMenus();
    void addFileMenus();
    // The commands that are one wrap or one insert (tagCommandEdit).
    void tagCommand_Click(QLatin1String command, int index);
    // Where the tag and font picker opens: under the tag toolbar, at the window's left.
    QPoint pickerCorner() const;

    CommandContext& m_context;
    frmkod* m_letterGrid = nullptr;
};
