#include "real_dictionary.h"

#include "core/loader.h"
#include "platform/embedded_resources.h"

#include <cstdio>
#include <cstdlib>

namespace velkaron::testing {

Module &realModule()
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

int findHeadword(const LetterTable &table, QStringView headword, int from)
{
    for (int i = from; i <= table.lineCount(); ++i) {
        if (table.Headword(i) == headword)
            return i;
    }
    return 0;
}

} // namespace velkaron::testing
