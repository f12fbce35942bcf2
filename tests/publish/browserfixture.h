#pragma once

// One browser for every test of the binary (the engine starts once), and waits that end
// on the engine's own signals, never on a fixed sleep.

#include "platform/browser.h"

#include <QVariant>

Browser& testBrowser();

// Whether the next page load of browser finished, successfully, within a few seconds; start
// is what starts it (a navigation, a click through script).
bool loaded(const std::function<void()>& start, Browser& browser = testBrowser());
bool navigated(const QString& path);
// The value of a script in the page browser shows; invalid when it gives none within a few
// seconds.
QVariant evaluate(const QString& script, Browser& browser = testBrowser());
