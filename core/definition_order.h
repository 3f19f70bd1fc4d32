#pragma once
// The ordering of a found entry's synonyms for the result list: the synonym field is cut
// at its backslashes into at most the first 21 synonyms (taken character for character,
// empty ones and repeats kept), sorted by Windows-1252 character codes with an exchange
// sort, and handed to the list in one go.
//
// Order: ordinal on Windows-1252 codes (capitals before small letters, accented letters
// after "z", space, apostrophe and hyphen before letters); a text that begins a longer one
// comes first ("de" before "depuis"); the empty text comes after every other.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace velkaron {

// Whether `a` comes strictly before `b`.
bool comesBefore(QStringView a, QStringView b);

class DefinitionOrdering final
{
public:
    static constexpr int MaxSynonyms = 21;
    static constexpr int Capacity = 1000;

    // Cuts `field` (not empty), sorts, and returns the lines of the result list.
    QStringList TrierDefinitions(QStringView field);

    int SynonymCount() const { return SynonymCount_; }
    // Cells numbered from 1, as the synonyms are numbered in their field.
    const QString &SynonymPieces(int i) const { return SynonymPieces_.at(std::size_t(i - 1)); }
    const QString &SortedSynonyms(int i) const { return SortedSynonyms_.at(std::size_t(i - 1)); }

private:
    void TriAlpha();

    std::array<QString, Capacity> SynonymPieces_;
    std::array<QString, Capacity> SortedSynonyms_;
    int SynonymCount_ = 0;
};

} // namespace velkaron
