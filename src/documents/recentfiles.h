#pragma once

#include <QString>

// Puts a path at the top of the recent-files list. The list itself comes with the
// recent-files window; until then nothing is recorded.
void AddRecentFile(const QString& path);
