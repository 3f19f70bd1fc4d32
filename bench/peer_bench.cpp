// Item 4: the peer thesaurus engine MyThes (Debian libmythes-dev) with mythes-fr's
// thes_fr.idx/.dat, against our search, on the same 2,000 words: headwords present in
// both dictionaries, drawn with a fixed seed. Both sides get the word as a user gives it;
// ours folds it into the mirror text as part of the lookup.

#include "bench_dictionary.h"
#include "core/search.h"
#include "core/text_view.h"

#include <benchmark/benchmark.h>
#include <mythes.hxx>

#include <QFile>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace velkaron {
namespace {

constexpr std::size_t kWordCount = 2000;
constexpr std::uint32_t kSeed = 20240607;

// The words of the comparison, in UTF-8 (the encoding of thes_fr.idx).
const std::vector<std::string> &sharedWords()
{
    static const std::vector<std::string> words = [] {
        std::set<std::string> peer;
        QFile idx(QStringLiteral(MYTHES_IDX));
        if (!idx.open(QIODevice::ReadOnly))
            std::abort();
        idx.readLine(); // encoding
        idx.readLine(); // count
        while (!idx.atEnd()) {
            const QByteArray line = idx.readLine();
            const qsizetype bar = line.indexOf('|');
            if (bar > 0)
                peer.insert(line.first(bar).toStdString());
        }
        std::set<std::string> both;
        const DictionaryStore &store = bench::dictionary().store;
        for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
            const LetterTable &table = store.LetterTableOf(letter);
            for (int i = 1; i <= table.lineCount(); ++i) {
                std::string word = table.Headword(i).toUtf8().toStdString();
                if (peer.count(word))
                    both.insert(std::move(word));
            }
        }
        std::vector<std::string> drawn(both.begin(), both.end());
        std::mt19937 random(kSeed);
        std::shuffle(drawn.begin(), drawn.end(), random);
        drawn.resize(std::min(drawn.size(), kWordCount));
        return drawn;
    }();
    return words;
}

void BM_PeerMyThes(benchmark::State &state)
{
    const auto &words = sharedWords();
    MyThes thesaurus(MYTHES_IDX, MYTHES_DAT);
    long meanings = 0;
    for (auto _ : state) {
        for (const std::string &word : words) {
            mentry *entries = nullptr;
            const int count = thesaurus.Lookup(word.c_str(), int(word.size()), &entries);
            meanings += count;
            thesaurus.CleanUpAfterLookup(&entries, count);
        }
    }
    benchmark::DoNotOptimize(meanings);
    state.SetItemsProcessed(state.iterations() * std::int64_t(words.size()));
    state.counters["words"] = double(words.size());
}
BENCHMARK(BM_PeerMyThes)->Unit(benchmark::kMillisecond);

void BM_PeerVelkaron(benchmark::State &state)
{
    std::vector<QString> words;
    for (const std::string &word : sharedWords())
        words.push_back(QString::fromStdString(word));
    TextView view;
    SearchCommand search(bench::dictionary(), view);
    long found = 0;
    for (auto _ : state) {
        for (const QString &word : words) {
            view.setEntry(word);
            search.run();
            found += view.resultLines.size();
        }
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * std::int64_t(words.size()));
    state.counters["words"] = double(words.size());
}
BENCHMARK(BM_PeerVelkaron)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velkaron
