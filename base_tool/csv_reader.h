// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV side of the base tool's text reading, and the one step both text
// formats share: a line's answer and question made into a record.
#pragma once

#include "base_tool/base_text.h"

namespace BaseText {

// Adds the record of `line`, or the problems that keep it out.
void addRecord(Parsed& out, int line, const QString& answerAsWritten, const QString& question);

// Quoted fields keep their text exactly, line breaks and all; unquoted ones
// lose the spaces around them.
void parseCsv(const QString& text, Parsed& out);

}
