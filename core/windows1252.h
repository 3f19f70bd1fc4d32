#pragma once
// Windows-1252 to UTF-16, by our own table: Qt's Latin-1 conversion is wrong for
// 0x80–0x9F, where Windows-1252 puts letters and punctuation (0x92 is ’).

#include <QByteArrayView>
#include <QString>

namespace velkaron {

// The UTF-16 code of one Windows-1252 byte. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char16_t windows1252ToUnicode(unsigned char byte);

// One character per byte.
QString widenWindows1252(QByteArrayView bytes);

// The Windows-1252 code of a character, or -1 when Windows-1252 has no such character.
int unicodeToWindows1252(char16_t c);

} // namespace velkaron
