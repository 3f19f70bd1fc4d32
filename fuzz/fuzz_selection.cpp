// The cleaning of a selection made in another program, on arbitrary UTF-16 (lone
// surrogates, controls, characters far from French), then the message that hands the word
// over to the open window.
//
// What is kept is at most 60 characters and three words, starts and ends with a letter or a
// digit, holds a letter, no control character and no double space; the word without its
// elision ends the whole word; and the hand-over message gives the word back unchanged.

#include "fuzz_support.h"

#include "core/selected_text.h"
#include "core/text_word.h"

#include <QList>

using namespace velkaron;
using velkaron::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString selected = fuzz::utf16Of(QByteArrayView(data, qsizetype(size)));
    const std::optional<TextWord> word = wordInSelection(selected);
    require(encodeHandOff({word}).size() > 0 && decodeHandOff(encodeHandOff({word})) == HandOff{word},
            "the hand-over message carries the word unchanged");
    if (!word)
        return 0;
    const QString &whole = word->whole;
    require(!whole.isEmpty() && whole.size() <= SelectedCharactersKept, "at most 60 characters");
    require(whole.count(u' ') < SelectedWordsKept, "at most three words");
    require(!whole.contains(QStringLiteral("  ")), "inner white space collapsed");
    const QList<uint> points = whole.toUcs4();
    require(QChar::isLetterOrNumber(points.front()), "starts with a letter or a digit");
    require(QChar::isLetterOrNumber(points.back()) || QChar::category(points.back()) == QChar::Mark_NonSpacing,
            "ends with a letter, a digit or its accent");
    bool letter = false;
    for (const uint c : points) {
        letter = letter || QChar::isLetter(c);
        require(c == u' ' || !QChar::isSpace(c), "no white space but single spaces");
        require(QChar::category(c) != QChar::Other_Control && QChar::category(c) != QChar::Other_Format,
                "no control or format character");
    }
    require(letter, "a letter at least");
    require(word->withoutElision.isEmpty()
                || (whole.endsWith(word->withoutElision) && word->withoutElision.size() < whole.size()),
            "the word without its elision ends the whole word");
    return 0;
}
