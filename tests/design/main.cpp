// The design tests' main: the matrices are previewed in the browser, whose web engine is
// prepared before the application exists.

#include "platform/browser.h"
#include "support/testrun.h"

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    return runTests(argc, argv);
}
