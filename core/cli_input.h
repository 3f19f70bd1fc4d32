#pragma once
// velkaron-cli's standard input: one text per line. The LF ends a line; a CR before it
// (CR LF input) is not part of the text, a CR anywhere else is. A last line without LF
// still counts, an empty line is the empty text, and a UTF-8 byte order mark opening the
// input is skipped. The bytes stay bytes: the caller decodes each line on its own.
//
// The input is read in large blocks into one buffer and each line handed out as a view of
// it; a read that returns what is there (a terminal gives a line at a time) hands that line
// out before reading on, so someone typing gets each answer at once.

#include <QByteArrayView>

#include <functional>

namespace velkaron {

// Fills `buffer` with at most `capacity` bytes: the number read, 0 at the end of the input,
// a negative number when reading failed.
using ReadBytes = std::function<qsizetype(char *buffer, qsizetype capacity)>;

// Calls `line` for every line, numbered from 1, as soon as its end has been read. False
// when reading failed before the end.
bool forEachInputLine(const ReadBytes &read, const std::function<void(QByteArrayView bytes, int number)> &line);

} // namespace velkaron
