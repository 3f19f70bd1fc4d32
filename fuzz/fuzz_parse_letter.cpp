// One letter's resource bytes through the load: widening, splitting at CR LF, cutting the
// headword at "§" and keying it. Input: one byte for the letter, then the resource.
//
// For any bytes the load either refuses them with a failure that names a line, or gives a
// table whose lines, joined again by CR LF, are the widened bytes without their padding,
// and whose keys are exactly what the window computes from the headword (so that what
// the user types can find every line).

#include "fuzz_support.h"

#include "core/folding.h"
#include "core/loader.h"
#include "core/lookup.h"

#include <algorithm>

using namespace velkaron;
using velkaron::fuzz::require;

namespace {

void checkTable(const LetterTable &table, QByteArrayView bytes)
{
    QByteArrayView text = bytes;
    for (int padding = 0; padding < 3 && text.endsWith('\0'); ++padding)
        text.chop(1);

    require(table.lineCount() >= 1 && table.lineCount() <= LetterTable::Capacity, "line count within capacity");
    QString joined;
    for (int i = 1; i <= table.lineCount(); ++i) {
        const QStringView line = table.Lines(i);
        const QStringView headword = table.Headword(i);
        require(line.size() > headword.size() && line.startsWith(headword) && line[headword.size()] == u'§',
                "headword is the text before the first section sign");
        require(!headword.contains(u'§'), "headword holds no section sign");
        require(!line.contains(QStringView(u"\r\n")), "a line holds no CR LF");
        require(table.Keys(i) == SubAccents(headword), "key is the folded headword");
        require(table.LowerKeys(i) == mirrorTextFor(headword), "lower-cased key is the mirror text of the headword");
        if (!table.LowerKeys(i).isEmpty()) {
            const auto cells = table.candidates(table.LowerKeys(i));
            require(std::find(cells.begin(), cells.end(), i) != cells.end(), "a cell is a candidate for its own key");
            require(std::is_sorted(cells.begin(), cells.end()), "candidates in table order");
        }
        if (i > 1)
            joined += QStringView(u"\r\n");
        joined += line;
    }
    require(joined == fuzz::windows1252Of(text), "lines joined by CR LF give back the text");
    if (table.lineCount() < LetterTable::Capacity)
        require(table.Lines(table.lineCount() + 1).isEmpty(), "cells past the last line are empty");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const LetterIndex letter = data[0] % kLetterCount;
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));

    auto parsed = DictionaryLoader::parseLetter(bytes, letter);
    if (const auto *failure = std::get_if<LoadFailure>(&parsed)) {
        require(failure->letter == letter, "failure names the letter");
        require(failure->kind == LoadFailure::Kind::MissingSectionSign || failure->kind == LoadFailure::Kind::TooManyLines,
                "one letter fails only for a line without section sign or too many lines");
        require(failure->line >= 1 && failure->line <= LetterTable::Capacity + 1, "failure names a line");
        require(!failure->message().isEmpty(), "failure has a message");
        return 0;
    }
    checkTable(std::get<LetterTable>(parsed), bytes);
    return 0;
}
