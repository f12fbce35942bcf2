// The main of the test binaries that show pages in the browser: the web engine is prepared
// before the application exists.

#include "platform/browser.h"
#include "support/testrun.h"

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    return runTests(argc, argv);
}
