#pragma once
// The lemmas of French words from a Hunspell spelling dictionary (Debian's
// hunspell-fr-classical: fr.aff and fr.dic under /usr/share/hunspell), through the Hunspell
// library's stemmer: "mangeait" → "manger", "chevaux" → "cheval".
//
// Nothing of it is loaded before the first question: neither the library (opened then with
// QLibrary, so that a start that needs no lemma does not even map it) nor the dictionary,
// 2.6 MB of forms read in about 70 ms. Without the library or the dictionary files there are
// no lemmas, and the program searches words as written.

#include "core/lemma_source.h"

#include <QLibrary>

namespace velkaron {

class HunspellLemmas final : public LemmaSource
{
public:
    // The dictionary "hunspell/fr" (else "hunspell/fr_FR") found in the platform's shared
    // data folders.
    HunspellLemmas() = default;
    HunspellLemmas(const QString &affixFile, const QString &dictionaryFile);
    ~HunspellLemmas() override;
    HunspellLemmas(const HunspellLemmas &) = delete;
    HunspellLemmas &operator=(const HunspellLemmas &) = delete;

    QStringList lemmas(const QString &word) override;

    // True once the dictionary has been read.
    bool loaded() const { return handle_ != nullptr; }

private:
    struct Api; // the library's C functions
    bool load();

    QString affixFile_;
    QString dictionaryFile_;
    bool tried_ = false;
    QLibrary library_;
    const Api *api_ = nullptr;
    void *handle_ = nullptr;
};

} // namespace velkaron
