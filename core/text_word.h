#pragma once
// A word taken from a text (the command line or a selection in another program) on its way
// to the Search command, and the message that carries it from a second start of the program
// to the window already open.

#include <QByteArray>
#include <QString>

#include <optional>

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

// What a start asks of the window already open: come to the front, and search the word
// when there is one.
struct HandOff
{
    std::optional<TextWord> word;

    friend bool operator==(const HandOff &, const HandOff &) = default;
};

// "velkaron/1", then NUL-separated fields in UTF-8: "-" for no word, or "W", the whole
// word and the word without elision. A word never holds a NUL: a command-line argument
// cannot, and the selection cleaning turns it into a space.
QByteArray encodeHandOff(const HandOff &handOff);
// Nothing when `bytes` is not such a message.
std::optional<HandOff> decodeHandOff(const QByteArray &bytes);

} // namespace velkaron
