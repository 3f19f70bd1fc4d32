// velkaron-cli, the dictionary without a window: answers words given on the command line
// or on standard input, one answer after the other, separated by a blank line, through the
// same Search command and prefix list as the window (see CliSession).
//
// Exit status: 0 when every text was answered (found in the dictionary or not); 1 when a
// text was rejected (not UTF-8), an answer met an internal error, the dictionary did not
// load, or the output could not be written; 2 for a usage error.

#include "core/cli_arguments.h"
#include "core/cli_input.h"
#include "core/cli_session.h"
#include "core/loader.h"
#include "core/strict_utf8.h"
#include "platform/embedded_resources.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace {

using velkaron::CliArguments;

constexpr int Answered = 0;
constexpr int SomethingFailed = 1;
constexpr int UsageError = 2;

const char ProgramName[] = "velkaron-cli";

class Answerer final
{
public:
    Answerer(velkaron::CliSession &session, CliArguments::Mode mode, bool flushEachAnswer)
        : session_(session), mode_(mode), flushEachAnswer_(flushEachAnswer)
    {
    }

    // Answers one text; `where` names it in an error message ("argument n° 2").
    void answer(QByteArrayView bytes, const QString &where)
    {
        const std::optional<QString> text = velkaron::decodeStrictUtf8(bytes);
        if (!text) {
            error(QStringLiteral("« %1 » n'est pas de l'UTF-8 valide (%2), ignoré.").arg(velkaron::showBytes(bytes), where));
            return;
        }
        const QStringList lines =
            mode_ == CliArguments::Mode::Prefix ? session_.prefixList(*text) : session_.synonyms(*text);
        for (const QString &report : session_.takeInternalErrors())
            error(QStringLiteral("%1 (%2)").arg(QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), where));

        if (answered_)
            std::cout.put('\n');
        answered_ = true;
        for (const QString &line : lines) {
            const QByteArray utf8 = line.toUtf8();
            std::cout.write(utf8.constData(), utf8.size()).put('\n');
        }
        if (flushEachAnswer_)
            std::cout.flush();
    }

    void error(const QString &message)
    {
        failed_ = true;
        std::cout.flush(); // keeps the order of answers and errors on a terminal
        std::cerr << ProgramName << " : " << message.toStdString() << '\n' << std::flush;
    }

    bool failed() const { return failed_; }

private:
    velkaron::CliSession &session_;
    CliArguments::Mode mode_;
    bool flushEachAnswer_;
    bool answered_ = false;
    bool failed_ = false;
};

// Answers every line of standard input (core/cli_input.h says what a line is).
void answerStandardInput(Answerer &answerer)
{
    const bool read = velkaron::forEachInputLine(std::cin, [&answerer](QByteArrayView bytes, int number) {
        answerer.answer(bytes, QStringLiteral("entrée standard, ligne %1").arg(number));
    });
    if (!read)
        answerer.error(QStringLiteral("lecture de l'entrée standard impossible."));
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);

    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const CliArguments parsed = CliArguments::parse(arguments);
    switch (parsed.action) {
    case CliArguments::Action::ShowHelp:
        std::cout << velkaron::cliUsage().toStdString() << std::flush;
        return std::cout ? Answered : SomethingFailed;
    case CliArguments::Action::UsageError:
        std::cerr << ProgramName << " : " << parsed.error.toStdString() << "\n\n"
                  << velkaron::cliUsage().toStdString() << std::flush;
        return UsageError;
    case CliArguments::Action::Answer:
        break;
    }

    velkaron::Module module;
    auto loaded = velkaron::DictionaryLoader::load(velkaron::EmbeddedResources());
    if (const auto *failure = std::get_if<velkaron::LoadFailure>(&loaded)) {
        std::cerr << ProgramName << " : le dictionnaire n'a pu être chargé. " << failure->message().toStdString()
                  << '\n';
        return SomethingFailed;
    }
    module.store = std::get<velkaron::DictionaryStore>(std::move(loaded));

    velkaron::CliSession session(module);
    // Someone typing at a terminal wants each answer at once; a batch wants big writes.
    Answerer answerer(session, parsed.mode, isatty(STDIN_FILENO) == 1);
    for (const CliArguments::Text &text : parsed.texts) {
        if (text.standardInput)
            answerStandardInput(answerer);
        else
            answerer.answer(text.bytes, QStringLiteral("argument n° %1").arg(text.argumentNumber));
    }

    std::cout.flush();
    if (!std::cout) {
        std::cerr << ProgramName << " : écriture de la sortie standard impossible.\n";
        return SomethingFailed;
    }
    return answerer.failed() ? SomethingFailed : Answered;
}
