#pragma once
// A word taken from a text (the command line or a selection in another program) on its way
// to the Search command.

#include <QString>

namespace velkaron {

struct TextWord
{
    // The word as it stands in the text: "chat", "l'arbre", "d’abord".
    QString whole;
    // The same without the elided article or pronoun that opens it ("arbre", "abord"), or
    // empty when none does.
    QString withoutElision;

    friend bool operator==(const TextWord &, const TextWord &) = default;
};

} // namespace velkaron
