#pragma once

// Every command the user starts (a menu item, a toolbar button, a key, a click in the tree)
// runs inside runGuarded: whatever escapes it is reported once in the own box, in Latin
// letters, and goes no further, so the window stays usable. Commands keep the documents
// consistent on every way out themselves (text is replaced only once the new text is
// complete, flags are restored by scoped guards); the guard makes sure that a failure is
// seen and never ends the program.

#include <functional>

// True when the command ran to its end.
bool runGuarded(const std::function<void()>& command);
