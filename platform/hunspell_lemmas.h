#pragma once
// The lemmas of French words from a Hunspell spelling dictionary (Debian's
// hunspell-fr-classical: fr.aff and fr.dic under /usr/share/hunspell), through the Hunspell
// library's stemmer: "mangeait" → "manger", "chevaux" → "cheval". The dictionary (2.6 MB of
// forms) is read on the first question only, in the thread that asks; a program that never
// needs a lemma never reads it. Without the library at build time, or without the
// dictionary files, there are no lemmas.

#include "core/lemma_source.h"

#include <memory>

class Hunspell;

namespace velkaron {

class HunspellLemmas final : public LemmaSource
{
public:
    // The dictionary "hunspell/fr" (else "hunspell/fr_FR") found in the platform's shared
    // data folders.
    HunspellLemmas();
    HunspellLemmas(const QString &affixFile, const QString &dictionaryFile);
    ~HunspellLemmas() override;
    HunspellLemmas(const HunspellLemmas &) = delete;
    HunspellLemmas &operator=(const HunspellLemmas &) = delete;

    QStringList lemmas(const QString &word) override;

    // True once the dictionary has been read.
    bool loaded() const { return hunspell_ != nullptr; }

private:
    QString affixFile_;
    QString dictionaryFile_;
    bool tried_ = false;
    std::unique_ptr<Hunspell> hunspell_;
};

} // namespace velkaron
