#pragma once

// The conversion commands of the main window: the edit menu's whole-text and selection
// conversions (F5 to F8), encode-and-copy, and the submenu of whole-text conversions
// between the layouts, references and UTF-8, all working on the editor.

#include <QObject>

struct ConversionCommand;
class FrmH;
class QMenu;

class ConversionMenus : public QObject
{
    Q_OBJECT

public:
    // Adds the commands to the window's edit menu.
    explicit ConversionMenus(FrmH& window);

    void run(const ConversionCommand& command);

    QMenu* mnukonvert;

private:
    void convertWholeText(const ConversionCommand& command);
    void convertSelection(const ConversionCommand& command);
    void encodeAndCopy(const ConversionCommand& command);

    FrmH& m_window;
};
