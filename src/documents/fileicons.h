#pragma once

// The pictures of file types in the program's lists, drawn by the program itself: a small
// coloured sheet with a letter for the kind of file.

#include <QIcon>

// The new-project wizard's file types 1 to 10 (wizardFileType): pages, scripts, style
// sheets, server pages, other, pictures, text, XML, sound, PHP.
QIcon wizardTypeIcon(int type);

// The recent-files list's pictures 1 to 12 (ikonumer): ASP, sound, style sheets, pictures,
// pages, projects, scripts, other, PHP, INI and INF, TXT, XML.
QIcon recentFileIcon(int number);
