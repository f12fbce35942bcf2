#pragma once

#include <QString>

// The part of a file name after its last "." (all of it without one) in upper case, for
// comparing with the program's lists of extensions (HTML, CSS, ...). Those are ASCII, so
// only ASCII letters are folded, and a name whose extension holds anything else gives "":
// no other letter may pass for an ASCII one (the dotless i for I, the long s for S).
QString upperExtension(const QString& name);
