#pragma once

#include "platform/prompts.h"

// The program's questions as the user sees them: its own message, input and list boxes
// in the one program-wide frmBOXa, and the platform's message box for platformMessage.
class BoxPrompts : public Prompts
{
public:
    QString messageBox(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                       const QString& captions, quint8 wrap) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& font,
                     const QString& initial, qint32 width, qint32 height) override;
    // The string form of the list box: "7" for its second button.
    QString listBox(const QString& prompt, const QStringList& items, const QString& title,
                    const QString& font, qint32 width, qint32 height, qint16 byIndex) override;
    void platformMessage(const QString& text, PlatformIcon icon, const QString& title) override;
};
