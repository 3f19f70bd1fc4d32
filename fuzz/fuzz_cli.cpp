// velkaron-cli's argument and standard-input handling, in process: the arguments are
// parsed, and every text (an argument, or a line of standard input for "-") is decoded
// and answered by a session over the real dictionary, as the program does.
//
// Input: the arguments separated by one NUL byte, then three NUL bytes, then standard
// input. A text is answered exactly when it is well-formed UTF-8, and never reaches an
// internal error; every answer opens with its message.

#include "fuzz_support.h"

#include "core/cli_arguments.h"
#include "core/cli_input.h"
#include "core/cli_session.h"
#include "core/strict_utf8.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

using namespace velkaron;
using velkaron::fuzz::require;

namespace {

// Well-formed UTF-8 after the Unicode standard's table of byte sequences.
bool wellFormedUtf8(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned c = s[i];
        int length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) length = 2;
        else if (c == 0xE0) { length = 3; low = 0xA0; }
        else if (c >= 0xE1 && c <= 0xEC) length = 3;
        else if (c == 0xED) { length = 3; high = 0x9F; }
        else if (c >= 0xEE && c <= 0xEF) length = 3;
        else if (c == 0xF0) { length = 4; low = 0x90; }
        else if (c >= 0xF1 && c <= 0xF3) length = 4;
        else if (c == 0xF4) { length = 4; high = 0x8F; }
        else return false;
        if (i + length > n || s[i + 1] < low || s[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if (s[i + k] < 0x80 || s[i + k] > 0xBF)
                return false;
        }
        i += length;
    }
    return true;
}

void answer(CliSession &session, CliArguments::Mode mode, QByteArrayView bytes)
{
    const std::optional<QString> text = decodeStrictUtf8(bytes);
    require(text.has_value() == wellFormedUtf8(bytes), "a text is decoded exactly when it is UTF-8");
    require(!showBytes(bytes).isEmpty() || bytes.isEmpty(), "bad bytes can be shown");
    if (!text)
        return;
    require(text->toUtf8() == bytes, "decoding changes nothing");

    static const QRegularExpression synonymsMessage(
        QStringLiteral("^(Aucun synonyme|Un synonyme|[0-9]+ synonymes) pour ''"));
    static const QRegularExpression countMessage(QStringLiteral("^(Aucun mot dans la liste|Un mot listé|[0-9]+ mots listés)\\.$"));
    const QStringList lines = mode == CliArguments::Mode::Prefix ? session.prefixList(*text) : session.synonyms(*text);
    require(!lines.isEmpty(), "every answer has a message");
    if (mode == CliArguments::Mode::Prefix) {
        require(countMessage.match(lines.front()).hasMatch(), "word count message");
        const qsizetype words = lines.size() - 1;
        require(lines.front() == (words == 0 ? QStringLiteral("Aucun mot dans la liste.")
                                  : words == 1 ? QStringLiteral("Un mot listé.")
                                               : QString::number(words) + QStringLiteral(" mots listés.")),
                "the count message counts the words");
    } else {
        require(synonymsMessage.match(lines.front()).hasMatch(), "result message");
        require(lines.size() <= 2 + 21, "message, category, at most 21 synonyms");
    }
    require(session.takeInternalErrors().isEmpty(), "no internal error");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView all(data, qsizetype(size));
    const qsizetype split = all.indexOf(QByteArrayView("\0\0\0", 3));
    const QByteArrayView argumentBytes = split < 0 ? all : all.first(split);
    const QByteArrayView input = split < 0 ? QByteArrayView() : all.sliced(split + 3);

    QList<QByteArray> arguments;
    if (!argumentBytes.isEmpty()) {
        for (const QByteArray &argument : argumentBytes.toByteArray().split('\0'))
            arguments.append(argument);
    }
    const CliArguments parsed = CliArguments::parse(arguments);
    switch (parsed.action) {
    case CliArguments::Action::ShowHelp:
        require(arguments.contains("--help") || arguments.contains("-h"), "help only when asked");
        return 0;
    case CliArguments::Action::UsageError:
        require(!parsed.error.isEmpty(), "a usage error says what is wrong");
        return 0;
    case CliArguments::Action::Answer:
        break;
    }
    require(!parsed.texts.isEmpty(), "something to answer");

    CliSession session(fuzz::realModule());
    bool inputRead = false;
    for (const CliArguments::Text &text : parsed.texts) {
        require(text.argumentNumber >= 1 && text.argumentNumber <= arguments.size(), "argument number");
        if (!text.standardInput) {
            require(text.bytes == arguments[text.argumentNumber - 1], "argument bytes unchanged");
            answer(session, parsed.mode, text.bytes);
            continue;
        }
        // A second "-" meets the input already read, as the program's does.
        QByteArrayView left = inputRead ? QByteArrayView() : input;
        inputRead = true;
        int lines = 0;
        const ReadBytes fromMemory = [&left](char *buffer, qsizetype capacity) {
            // A few bytes at a time, so that lines straddle the reads.
            const qsizetype n = std::min<qsizetype>({capacity, left.size(), 7});
            if (n == 0)
                return qsizetype(0);
            std::memcpy(buffer, left.data(), std::size_t(n));
            left = left.sliced(n);
            return n;
        };
        const bool read = forEachInputLine(fromMemory, [&](QByteArrayView bytes, int number) {
            require(number == ++lines, "lines numbered from 1");
            require(!bytes.contains('\n'), "a line holds no LF");
            answer(session, parsed.mode, bytes);
        });
        require(read, "reading from memory does not fail");
        if (lines > 0) { // the first "-": the second one reads nothing
            const qsizetype breaks = input.count('\n');
            require(lines == breaks + (input.endsWith('\n') ? 0 : 1), "one text per line, the last one unended too");
        }
    }
    return 0;
}
