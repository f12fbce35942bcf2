#pragma once

// The program's own data (code tables, tag templates, the CSS catalogue, pictures), carried
// byte-exact in the program's Qt resources under ":/".

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a resource by its path (":/codetables/GRIGOLIA"); nothing when the program
// does not carry it.
std::optional<QByteArray> programResource(const QString& path);
