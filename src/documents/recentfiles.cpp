#include "documents/recentfiles.h"

void AddRecentFile(const QString& /*path*/)
{}
