#pragma once

// The HTML page skeleton of new pages: the DOCTYPE line, the head with its title, the user's
// META lines and BODY attributes (when the options ask for them), and a body.

#include "core/progprops.h"
#include "core/textedit.h"

#include <QString>

// The skeleton around a body, line by line: DOCTYPE, "<HTML>", "<HEAD>", the title,
// "</HEAD>", the options' Meta text when tagsIN is set, "<BODY" with the HTMLparams lines
// as blank-separated attributes when paramsin is set, the body, "</BODY>", "</HTML>". An
// empty body leaves one empty line between the BODY tags; there is no line end at the end.
QString pageSkeleton(const QString& title, const QString& body, const ProgProps& props);

// mnuhtheader: the whole editor text becomes the body of a skeleton titled "New Document";
// the caret goes to the end of that body, the line before "</BODY>".
TextEdit pageSkeletonEdit(const QString& text, const ProgProps& props);
