// The peer's batch, as a user of the MyThes engine would write it: one word per line on
// standard input, for each the synonyms of all its meanings on one line of standard output.
// usage: mythes_batch THES.idx THES.dat < words

#include <cstdio> // before mythes.hxx, which uses FILE without it

#include <mythes.hxx>

#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    std::ios::sync_with_stdio(false);
    MyThes thesaurus(argv[1], argv[2]);
    std::string word, line;
    while (std::getline(std::cin, word)) {
        mentry *entries = nullptr;
        const int count = thesaurus.Lookup(word.c_str(), int(word.size()), &entries);
        line.clear();
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < entries[i].count; ++j)
                line.append(line.empty() ? "" : ", ").append(entries[i].psyns[j]);
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        thesaurus.CleanUpAfterLookup(&entries, count);
    }
    return 0;
}
