// Item 2, the prefix list rebuilt in core for the mirror texts of the table below, and
// item 3, one whole search in core (mirror, lookup, cut, ordering, messages) per word.

#include "bench_dictionary.h"
#include "core/prefix_list.h"
#include "core/search.h"
#include "core/text_view.h"

#include <benchmark/benchmark.h>

namespace velkaron {
namespace {

void BM_CorePrefix(benchmark::State &state, const QString &mirror)
{
    TextView view;
    PrefixList list(bench::dictionary(), view);
    for (auto _ : state) {
        list.rebuild(mirror);
        benchmark::DoNotOptimize(view.words.constData());
    }
    state.counters["items"] = double(view.words.size());
}
BENCHMARK_CAPTURE(BM_CorePrefix, a_space, QStringLiteral("a "))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CorePrefix, ch, QStringLiteral("ch"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CorePrefix, co, QStringLiteral("co"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CorePrefix, xy, QStringLiteral("xy"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CorePrefix, zz, QStringLiteral("zz"))->Unit(benchmark::kMicrosecond);

void BM_Search(benchmark::State &state, const QString &word)
{
    TextView view;
    SearchCommand search(bench::dictionary(), view);
    for (auto _ : state) {
        view.setEntry(word);
        search.run();
        benchmark::DoNotOptimize(view.resultLines.constData());
    }
    state.counters["synonyms"] = double(view.resultLines.size());
}
BENCHMARK_CAPTURE(BM_Search, chat, QStringLiteral("chat"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, sans_gene, QStringLiteral("sans-gêne"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, reglement, QStringLiteral("règlement"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, missing, QStringLiteral("zzzyzzy"))->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velkaron
