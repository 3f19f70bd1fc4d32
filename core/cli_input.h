#pragma once
// velkaron-cli's standard input: one text per line. The LF ends a line; a CR before it
// (CR LF input) is not part of the text, a CR anywhere else is. A last line without LF
// still counts, an empty line is the empty text, and a UTF-8 byte order mark opening the
// input is skipped. The bytes stay bytes: the caller decodes each line on its own.

#include <QByteArrayView>

#include <functional>
#include <istream>

namespace velkaron {

// Calls `line` for every line of `in`, numbered from 1, as it is read (a terminal gets
// each answer before the next line is typed). False when reading failed before the end.
bool forEachInputLine(std::istream &in, const std::function<void(QByteArrayView bytes, int number)> &line);

} // namespace velkaron
