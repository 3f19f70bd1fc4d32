#pragma once
// The dictionary the benchmarks read: loaded once per process from the texts compiled
// into the program.

#include "core/loader.h"
#include "core/module.h"
#include "platform/embedded_resources.h"

#include <cstdio>
#include <cstdlib>

namespace velkaron::bench {

inline Module &dictionary()
{
    static Module module = [] {
        Module loaded;
        auto result = DictionaryLoader::load(EmbeddedResources());
        if (auto *failure = std::get_if<LoadFailure>(&result)) {
            std::fprintf(stderr, "dictionary did not load: %s\n", qPrintable(failure->message()));
            std::abort();
        }
        loaded.store = std::get<DictionaryStore>(std::move(result));
        return loaded;
    }();
    return module;
}

} // namespace velkaron::bench
