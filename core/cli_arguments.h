#pragma once
// The command line of velkaron-cli, read before the dictionary is loaded: a help request,
// a usage error, or the texts to answer, in order, and whether they are searched for
// synonyms or listed by prefix, and whether a word without entry is searched under its
// lemma. "-" stands for standard input, one text per line, at its
// place among the others; "--" ends the options, so that a word may begin with "-".
//
// Arguments stay bytes here: each text is decoded when it is answered, so that one text
// that is not UTF-8 is rejected alone.

#include <QByteArray>
#include <QList>
#include <QString>

namespace velkaron {

struct CliArguments
{
    enum class Action { Answer, ShowHelp, UsageError };
    enum class Mode { Synonyms, Prefix };

    struct Text
    {
        QByteArray bytes;
        int argumentNumber = 0; // 1 for the first argument after the program name
        bool standardInput = false;
    };

    Action action = Action::Answer;
    Mode mode = Mode::Synonyms;
    // No lemma fallback: each word is searched exactly as the window's Search command does.
    bool exact = false;
    QList<Text> texts;
    QString error; // French, for UsageError

    // `arguments` without the program name.
    static CliArguments parse(const QList<QByteArray> &arguments);
};

// The French usage text printed by --help and after a usage error.
QString cliUsage();

} // namespace velkaron
