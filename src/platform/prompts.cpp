#include "platform/prompts.h"

#include "platform/installed.h"

Prompts& prompts()
{
    return Installed<Prompts>::get();
}

Prompts* installPrompts(Prompts* prompts)
{
    return Installed<Prompts>::install(prompts);
}
