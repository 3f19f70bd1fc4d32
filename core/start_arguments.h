#pragma once
// The command line of the window program, read before any window or display connection
// exists: `velkaron` alone, `velkaron MOT` (one argument, "à cheval" quoted is one word),
// `velkaron --selection` (the text selected in another program), `--help`. Anything else is
// a usage error, reported on standard error with the usage line and exit status 2, without
// a window. Arguments are bytes: a word that is not UTF-8 is a usage error too.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace velkaron {

struct StartArguments
{
    enum class Action { Start, ShowHelp, UsageError };

    Action action = Action::Start;
    std::optional<QString> word; // velkaron MOT
    bool selection = false;      // velkaron --selection
    QString error;               // French, for UsageError

    // `arguments` without the program name.
    static StartArguments parse(const QList<QByteArray> &arguments);
};

// "Usage : velkaron [MOT | --selection]", the line shown after a usage error.
QString startUsageLine();
// The French text of --help.
QString startHelp();

} // namespace velkaron
