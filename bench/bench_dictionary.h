#pragma once
// The dictionary the benchmarks read: loaded once per process from the texts compiled
// into the program.

#include "core/loader.h"
#include "platform/embedded_dictionary.h"
#include "platform/embedded_resources.h"

namespace velkaron::bench {

inline Module &dictionary()
{
    return embeddedDictionary();
}

} // namespace velkaron::bench
