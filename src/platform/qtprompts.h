#pragma once

#include "platform/prompts.h"

// Plain Qt dialogs standing in for the program's own boxes.
class QtPrompts : public Prompts
{
public:
    QString messageBox(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                       const QString& captions, quint8 wrap) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& font,
                     const QString& initial, qint32 width, qint32 height) override;
    QString listBox(const QString& prompt, const QStringList& items, const QString& title,
                    const QString& font, qint32 width, qint32 height, qint16 byIndex) override;
    void platformMessage(const QString& text, PlatformIcon icon, const QString& title) override;
};
