// Velkaron, a dictionary of French synonyms. The program reads nothing but the texts
// compiled into it (and, for a word without entry, the system's French spelling
// dictionary), and keeps no state between runs.
//
// The arguments are read before anything else, so that --help and a usage error need no
// display: see core/start_arguments.h.

#include "core/start_arguments.h"
#include "ui/program.h"

#include <QApplication>

#include <cstdio>

namespace {

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
    for (int i = 1; i < argc; ++i) {
#ifdef _WIN32
        // The C runtime hands out the arguments in the ANSI code page.
        arguments.append(QString::fromLocal8Bit(argv[i]).toUtf8());
#else
        arguments.append(QByteArray(argv[i]));
#endif
    }
    const velkaron::StartArguments parsed = velkaron::StartArguments::parse(arguments);
    switch (parsed.action) {
    case velkaron::StartArguments::Action::ShowHelp:
        print(stdout, velkaron::startHelp());
        return 0;
    case velkaron::StartArguments::Action::UsageError:
        print(stderr, QStringLiteral("velkaron : ") + parsed.error + u'\n' + velkaron::startUsageLine()
                          + QStringLiteral("\nEssayez « velkaron --help ».\n"));
        return 2;
    case velkaron::StartArguments::Action::Start:
        break;
    }

    // Qt is given no argument of the user's: a word such as "-reverse" is a word, not an
    // option of Qt's.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    return velkaron::runProgram(app, parsed);
}
