#include "platform/shell.h"

#include "platform/installed.h"

Shell& shell()
{
    return Installed<Shell>::get();
}

Shell* installShell(Shell* shell)
{
    return Installed<Shell>::install(shell);
}
