#pragma once

// The main window's commands that open another window, start the program again, show help
// or quit, and the menu help: while the user moves through the menus, the status panel
// "kMain" tells what the highlighted item does.

#include <QObject>
#include <QString>

class CommandContext;
class frminfo;
class frmproperties;

// The status text of a menu help number "1" to "29" in the 8-bit layout; "" for any other
// text, the empty one included.
QString menuHelpText(const QString& number);

class MainCommands : public QObject
{
public:
    explicit MainCommands(CommandContext& context);
    ~MainCommands() override;

    // The menus' help event: "kMain" shows three blanks and the help number's text, in
    // Georgian letters.
    void HelpObj_MenuHelp(const QString& menuText, const QString& help, qint16 enabled);

    void mnuinfo_Click();
    void mnuoptions_Click();
    void mnunewwind_Click();
    void mnuHLPtopiks_Click(int index);
    void mnuQuit_Click();

private:
    void addMenuCommands();
    void applyEditorFont();

    CommandContext& m_context;
    // Each made on first use and kept.
    frminfo* m_info = nullptr;
    frmproperties* m_options = nullptr;
};
