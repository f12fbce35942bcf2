#pragma once

// Reading a file the design dialogs take text from: a frame page chosen from disk, a page
// matrix shown as source.

#include <QString>

#include <optional>

// The file's whole content as byte text, the bytes as they are. "" when the path is empty or
// names nothing (a relative path counts from the current folder). Nothing when something is
// there but cannot be read as a file: a folder, a file without read permission, or one too
// large for the editor.
std::optional<QString> ReadFileText(const QString& path);
