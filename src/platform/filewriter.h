#pragma once

// Every file the program writes is written whole and atomically: the new content goes
// to a temporary file beside the target, which then replaces it. A failed write leaves
// the old file as it was. A symbolic link is written through to its target.

#include <QByteArray>
#include <QString>

// False on failure, with the reason in *error when given.
bool writeWholeFile(const QString& path, const QByteArray& content, QString* error = nullptr);

// The same for a file holding secrets: only its owner may read or write it, from the
// moment it holds any byte.
bool writeOwnerOnlyFile(const QString& path, const QByteArray& content, QString* error = nullptr);

// Copies source to target as target's whole new content, atomically like writeWholeFile.
// False on failure (source unreadable, target not writable), with the reason in *error.
bool copyWholeFile(const QString& source, const QString& target, QString* error = nullptr);
