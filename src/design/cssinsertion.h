#pragma once

// Where a finished style rule goes in the document. An ordinary rule joins the document's
// style block when it has one, else a new block goes in front of "</HEAD>", else at the
// selection; a rollover block always replaces the selection. The search ignores letter case.

#include "core/textedit.h"
#include "design/cssrule.h"

#include <QString>

// The edit that puts rule into text, whose selection is [selStart, selStart + selLength).
// The caret ends after the inserted text.
// - A block closed by "-->" CR LF "</STYLE>": the rule line goes on a line of its own at the
//   end of the line before that "-->".
// - A block without that closing: the rule line and CR LF go in front of the first
//   "</STYLE>" after "<STYLE>".
TextEdit insertStyleRule(const StyleRule& rule, const QString& text, qint32 selStart,
                         qint32 selLength);
