#include "menus/coolmenu.h"

qint16 InstallCoolMenu(QWidget* /*window*/, HelpCallBack* /*help*/)
{
    return -1;
}

void RemoveCoolMenu(QWidget* /*window*/)
{}
