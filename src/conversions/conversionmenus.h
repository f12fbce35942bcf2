#pragma once

// The conversion commands of the main window: the edit menu's whole-text and selection
// conversions (F5 to F8), encode-and-copy, and the submenu of whole-text conversions
// between the layouts, references and UTF-8, all working on the editor.

#include <QObject>

struct ConversionCommand;
class CommandContext;

class ConversionMenus : public QObject
{
    Q_OBJECT

public:
    // Adds the commands to the edit menu.
    explicit ConversionMenus(CommandContext& context);

    void run(const ConversionCommand& command);

private:
    void convertWholeText(const ConversionCommand& command);
    void convertSelection(const ConversionCommand& command);
    void encodeAndCopy(const ConversionCommand& command);

    CommandContext& m_context;
};
