// velkaron-cli, the dictionary without a window: answers words given on the command line
// or on standard input, one answer after the other, separated by a blank line, through the
// same Search command and prefix list as the window (see CliSession). A word without entry
// is searched under its lemma when that has one ("mangerions → manger" on a line of its own
// first), unless --exact asks for the window's search alone.
//
// Input and output go through one buffer each: standard input is read in large blocks and
// each line answered from a view of it; the answers are gathered as text and encoded to
// UTF-8 in one pass per large write (per answer when a person types at a terminal).
//
// Exit status: 0 when every text was answered (found in the dictionary or not); 1 when a
// text was rejected (not UTF-8), an answer met an internal error, the dictionary did not
// load, or the output could not be written; 2 for a usage error.

#include "core/as_written.h"
#include "core/cli_arguments.h"
#include "core/cli_input.h"
#include "core/cli_session.h"
#include "core/loader.h"
#include "core/strict_utf8.h"
#include "platform/embedded_resources.h"
#include "platform/hunspell_lemmas.h"

#ifdef _WIN32
#include <io.h>
#define read _read
#define write _write
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

using velkaron::CliArguments;

constexpr int Answered = 0;
constexpr int SomethingFailed = 1;
constexpr int UsageError = 2;

constexpr int StandardInput = 0;
constexpr int StandardOutput = 1;

const QString ProgramName = QStringLiteral("velkaron-cli");

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const auto written = write(fd, bytes.data(), unsigned(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

// Standard output as text gathered in one buffer and written in large blocks.
class Output final
{
public:
    explicit Output(bool flushEachAnswer) : flushEachAnswer_(flushEachAnswer) { text_.reserve(Block + 4096); }

    void line(QStringView text)
    {
        text_ += text;
        text_ += u'\n';
    }
    void blankLine() { text_ += u'\n'; }
    void answerEnded()
    {
        if (flushEachAnswer_ || text_.size() >= Block)
            flush();
    }
    void flush()
    {
        if (text_.isEmpty())
            return;
        ok_ = writeAll(StandardOutput, text_.toUtf8()) && ok_;
        text_.resize(0); // keeps the capacity
    }
    bool ok() const { return ok_; }

private:
    static constexpr qsizetype Block = 32 * 1024;
    QString text_;
    bool flushEachAnswer_;
    bool ok_ = true;
};

void printError(const QString &message)
{
    const QByteArray bytes = (ProgramName + QStringLiteral(" : ") + message + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

class Answerer final
{
public:
    Answerer(velkaron::Module &module, const CliArguments &arguments, Output &output)
        : module_(module), session_(module), mode_(arguments.mode), exact_(arguments.exact), output_(output)
    {
    }

    // Answers one text; `where` names it in an error message ("argument n° 2").
    void answer(QByteArrayView bytes, const auto &where)
    {
        const std::optional<QString> text = velkaron::decodeStrictUtf8(bytes);
        if (!text) {
            error(QStringLiteral("« %1 » n'est pas de l'UTF-8 valide (%2), ignoré.").arg(velkaron::showBytes(bytes), where()));
            return;
        }
        if (answered_)
            output_.blankLine();
        answered_ = true;

        if (mode_ == CliArguments::Mode::Prefix) {
            const QStringList lines = session_.prefixList(*text);
            reportInternalErrors(where);
            for (const QString &line : lines)
                output_.line(line);
        } else {
            const velkaron::TextView *view = &session_.search(*text);
            // Searched as typed first: most words have an entry, and they are looked up once.
            if (!exact_ && module_.CurrentSynonymField.isEmpty()) {
                const QString word = velkaron::findAsWritten(module_.store, &lemmas_, {*text, {}});
                if (word != *text) {
                    output_.line(QString(*text + QStringLiteral(" → ") + word));
                    view = &session_.search(word);
                }
            }
            reportInternalErrors(where);
            output_.line(view->resultMessage);
            if (!view->categoryLine.isEmpty())
                output_.line(view->categoryLine);
            for (const QString &line : view->resultLines)
                output_.line(line);
        }
        output_.answerEnded();
    }

    void reportInternalErrors(const auto &where)
    {
        for (const QString &report : session_.takeInternalErrors())
            error(QStringLiteral("%1 (%2)").arg(QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), where()));
    }

    void error(const QString &message)
    {
        failed_ = true;
        output_.flush(); // keeps the order of answers and errors on a terminal
        printError(message);
    }

    bool failed() const { return failed_; }

private:
    velkaron::Module &module_;
    velkaron::CliSession session_;
    velkaron::HunspellLemmas lemmas_; // read from disk at the first word without entry
    CliArguments::Mode mode_;
    bool exact_;
    Output &output_;
    bool answered_ = false;
    bool failed_ = false;
};

qsizetype readStandardInput(char *buffer, qsizetype capacity)
{
    for (;;) {
        const auto got = read(StandardInput, buffer, unsigned(std::min<qsizetype>(capacity, 1 << 30)));
        if (got < 0 && errno == EINTR)
            continue;
        return got;
    }
}

// Answers every line of standard input (core/cli_input.h says what a line is).
void answerStandardInput(Answerer &answerer)
{
    const bool read = velkaron::forEachInputLine(readStandardInput, [&answerer](QByteArrayView bytes, int number) {
        answerer.answer(bytes, [number] { return QStringLiteral("entrée standard, ligne %1").arg(number); });
    });
    if (!read)
        answerer.error(QStringLiteral("lecture de l'entrée standard impossible."));
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const CliArguments parsed = CliArguments::parse(arguments);
    switch (parsed.action) {
    case CliArguments::Action::ShowHelp:
        print(stdout, velkaron::cliUsage());
        return std::ferror(stdout) ? SomethingFailed : Answered;
    case CliArguments::Action::UsageError:
        print(stderr, ProgramName + QStringLiteral(" : ") + parsed.error + QStringLiteral("\n\n") + velkaron::cliUsage());
        return UsageError;
    case CliArguments::Action::Answer:
        break;
    }

    velkaron::Module module;
    auto loaded = velkaron::DictionaryLoader::load(velkaron::EmbeddedResources());
    if (const auto *failure = std::get_if<velkaron::LoadFailure>(&loaded)) {
        printError(QStringLiteral("le dictionnaire n'a pu être chargé. ") + failure->message());
        return SomethingFailed;
    }
    module.store = std::get<velkaron::DictionaryStore>(std::move(loaded));
    // A batch looks up thousands of words: an index of the keys (about 1 ms to build) makes
    // each lookup a hash probe instead of a scan. A few words on the command line do without.
    const bool batch = parsed.texts.size() > 64
        || std::any_of(parsed.texts.cbegin(), parsed.texts.cend(), [](const CliArguments::Text &text) { return text.standardInput; });
    if (batch)
        module.store.indexKeys();

    // Someone typing at a terminal wants each answer at once; a batch wants big writes.
    Output output(isatty(StandardInput) == 1);
    Answerer answerer(module, parsed, output);
    for (const CliArguments::Text &text : parsed.texts) {
        if (text.standardInput)
            answerStandardInput(answerer);
        else
            answerer.answer(text.bytes, [&text] { return QStringLiteral("argument n° %1").arg(text.argumentNumber); });
    }

    output.flush();
    if (!output.ok()) {
        printError(QStringLiteral("écriture de la sortie standard impossible."));
        return SomethingFailed;
    }
    return answerer.failed() ? SomethingFailed : Answered;
}
