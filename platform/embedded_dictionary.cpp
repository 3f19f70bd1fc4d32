#include "platform/embedded_dictionary.h"

#include "core/loader.h"
#include "platform/embedded_resources.h"

#include <cstdio>
#include <cstdlib>

namespace velkaron {

Module &embeddedDictionary()
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

} // namespace velkaron
