#pragma once
// What the fuzzers share: turning raw bytes into texts, the real dictionary, and a check
// that stops the run with a message when a property does not hold.

#include "core/module.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace velkaron::fuzz {

// Aborts (libFuzzer then saves the input) when `condition` is false.
void require(bool condition, const char *what);

// The bytes read as UTF-16, two by two (a last odd byte is dropped): any code unit,
// lone surrogates included.
QString utf16Of(QByteArrayView bytes);

// The bytes read as Windows-1252, the way the loader widens the letter texts.
QString windows1252Of(QByteArrayView bytes);

// The first byte chooses how the rest is read: even, UTF-16; odd, Windows-1252 (which
// reaches every dictionary character in one byte each).
QString textOf(const std::uint8_t *data, std::size_t size);

// The program's own dictionary, loaded once from the embedded texts.
Module &realModule();

// True when the text holds no lone surrogate.
bool wellFormedUtf16(QStringView text);

} // namespace velkaron::fuzz
