// The load as the program does it, once, in a fresh process (run by startup_harness):
// memory that no earlier load has touched yet, as at start-up. Prints, in the probes'
// format, the time just before and just after DictionaryLoader::load.

#include "core/loader.h"
#include "platform/embedded_resources.h"
#include "probe_ready.h"

#include <sys/resource.h>

int main()
{
    const velkaron::EmbeddedResources resources;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const long long started = velkaron::bench::monotonicNanoseconds();
    const auto store = velkaron::DictionaryLoader::load(resources);
    const long long loaded = velkaron::bench::monotonicNanoseconds();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    if (!std::holds_alternative<velkaron::DictionaryStore>(store))
        return 1;
    std::printf("main %lld ready %lld rss_kb %ld faults %ld\n", started, loaded, velkaron::bench::residentKilobytes(),
                after.ru_minflt - before.ru_minflt);
    return 0;
}
