#include "conversions/codetables.h"

void openkodlist()
{
    // The tables arrive with the conversion commands; nothing to load before them.
}
