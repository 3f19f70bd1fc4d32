#pragma once
// The dictionary loaded from the texts compiled into the program, once per process, for
// the tools around it (tests, benchmarks, fuzz targets). The windows load through their
// loading window instead, which tells the user when the texts are broken.

#include "core/module.h"

namespace velkaron {

// The loaded dictionary. Aborts the process, with the reason on standard error, when the
// compiled-in texts do not load.
Module &embeddedDictionary();

} // namespace velkaron
