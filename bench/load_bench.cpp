// Item 1, the load: the 26 letters fetched, widened, split and keyed into a fresh store,
// beside the least any load must do: the same bytes widened into one buffer allocated
// beforehand. Item 6, the store's own size, is reported as counters of BM_StoreSize.

#include "bench_dictionary.h"
#include "core/windows1252.h"

#include <benchmark/benchmark.h>

#include <QResource>

#include <sys/resource.h>

#include <array>
#include <vector>

namespace velkaron {
namespace {

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Page faults are counted too: fresh memory costs its first touch on top of the copying.
void BM_Load(benchmark::State &state)
{
    const EmbeddedResources resources;
    const long faultsBefore = minorFaults();
    for (auto _ : state) {
        auto store = DictionaryLoader::load(resources);
        benchmark::DoNotOptimize(store);
    }
    state.counters["page_faults"] = double(minorFaults() - faultsBefore) / double(state.iterations());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// The bytes where the executable holds them, and one buffer for all of them widened.
void BM_WidenReference(benchmark::State &state)
{
    std::vector<QByteArrayView> texts;
    qsizetype total = 0;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const QResource resource(QStringLiteral(":/dictionary/%1/%2").arg(resourceTypeName(letter)).arg(resourceId(letter)));
        texts.emplace_back(reinterpret_cast<const char *>(resource.data()), resource.size());
        total += resource.size();
    }
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[std::size_t(b)] = windows1252ToUnicode(static_cast<unsigned char>(b));
    std::vector<char16_t> buffer(static_cast<std::size_t>(total));

    for (auto _ : state) {
        char16_t *out = buffer.data();
        for (const QByteArrayView text : texts) {
            const auto *in = reinterpret_cast<const unsigned char *>(text.data());
            for (qsizetype i = 0; i < text.size(); ++i)
                *out++ = table[in[i]];
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = double(total);
}
BENCHMARK(BM_WidenReference)->Unit(benchmark::kMillisecond);

void BM_StoreSize(benchmark::State &state)
{
    const DictionaryStore &store = bench::dictionary().store;
    qsizetype textBytes = 0;
    const EmbeddedResources resources;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter)
        textBytes += QResource(QStringLiteral(":/dictionary/%1/%2").arg(resourceTypeName(letter)).arg(resourceId(letter))).size();
    int lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (LetterIndex letter = 0; letter < kLetterCount; ++letter)
            lines += store.lineCount(letter);
        benchmark::DoNotOptimize(lines);
    }
    const double bytes = double(store.footprintBytes());
    state.counters["store_bytes"] = bytes;
    state.counters["text_bytes"] = double(textBytes);
    state.counters["bytes_per_line"] = bytes / lines;
}
BENCHMARK(BM_StoreSize)->Iterations(1);

} // namespace
} // namespace velkaron
