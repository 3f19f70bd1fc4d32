#pragma once
// Bytes from the outside world (a command line, standard input) become text only when they
// are well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, no
// truncated sequence. Nothing is replaced silently; a caller that meets bad bytes can
// show them with showBytes and reject the text.

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velkaron {

// The text that `bytes` encode, or nothing when they are not well-formed UTF-8.
std::optional<QString> decodeStrictUtf8(QByteArrayView bytes);

// The bytes for a message: well-formed sequences as text, every other byte as "\xHH".
QString showBytes(QByteArrayView bytes);

} // namespace velkaron
