// The main of every test binary that needs nothing prepared before the application.

#include "support/testrun.h"

int main(int argc, char* argv[])
{
    return runTests(argc, argv);
}
