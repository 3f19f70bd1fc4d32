#pragma once
// The answers of velkaron-cli: each word goes through the very Search command and prefix
// list that the main window runs, with a TextView in place of the window, and what the
// window would show comes back as lines of text. A session keeps what one main window
// keeps between searches (the history, the current synonym field), never more.

#include "core/module.h"
#include "core/prefix_list.h"
#include "core/search.h"
#include "core/text_view.h"

#include <QString>
#include <QStringList>

namespace velkaron {

class CliSession final
{
public:
    explicit CliSession(Module &module) : search_(module, view_), prefix_(module, view_) {}
    CliSession(const CliSession &) = delete;
    CliSession &operator=(const CliSession &) = delete;

    // `word` typed into the entry box and searched: the result message, the category
    // line when there is one, then the result lines (the last one may be empty).
    QStringList synonyms(const QString &word);

    // The same search, read from the view without copying its lines (a batch prints them
    // straight away): resultMessage, categoryLine (empty when none), resultLines.
    const TextView &search(const QString &word);

    // `text` typed into the entry box: the word count message, then the listed headwords.
    QStringList prefixList(const QString &text);

    // The internal-error reports of the answers since the last call, oldest first.
    QStringList takeInternalErrors();

private:
    TextView view_;
    SearchCommand search_;
    PrefixList prefix_;
};

} // namespace velkaron
