#pragma once

// The main window's menus report the help text of the highlighted item through a help
// object. Installing the drawn menus on a window is a no-op for now: the window's menus
// are Qt's own, drawn by the style.

#include <QObject>
#include <QString>

class QWidget;

class HelpCallBack : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void RaiseHelpEvent(const QString& menuText, const QString& help, qint16 flag)
    {
        emit MenuHelp(menuText, help, flag);
    }

signals:
    void MenuHelp(const QString& menuText, const QString& help, qint16 flag);
};

// -1 when installed.
qint16 InstallCoolMenu(QWidget* window, HelpCallBack* help);
void RemoveCoolMenu(QWidget* window);
