#pragma once
// The dictionary as the program loads it, from the texts compiled into the executable,
// loaded once per test process.

#include "core/module.h"

namespace velkaron::testing {

// A Module whose store holds the real dictionary. Aborts the test process when the
// embedded texts do not load.
Module &realModule();

// The cell of the first line whose headword is `headword`, or 0.
int findHeadword(const LetterTable &table, QStringView headword, int from = 1);

} // namespace velkaron::testing
