#pragma once

// What every test binary's main does: the application runs headless, and no test reaches
// the real desktop or a real dialog unless it installs its own stand-in.
int runTests(int& argc, char* argv[]);
