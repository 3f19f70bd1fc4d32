#include "core/cli_session.h"

#include <utility>

namespace velkaron {

const TextView &CliSession::search(const QString &word)
{
    view_.setEntry(word);
    search_.run();
    return view_;
}

QStringList CliSession::synonyms(const QString &word)
{
    search(word);
    QStringList lines;
    lines.reserve(2 + view_.resultLines.size());
    lines.append(view_.resultMessage);
    if (!view_.categoryLine.isEmpty())
        lines.append(view_.categoryLine);
    lines += view_.resultLines;
    return lines;
}

QStringList CliSession::prefixList(const QString &text)
{
    view_.setEntry(text);
    prefix_.rebuild(view_.mirror);
    QStringList lines{view_.wordCountMessage};
    lines += view_.words;
    return lines;
}

QStringList CliSession::takeInternalErrors()
{
    return std::exchange(view_.internalErrors, {});
}

} // namespace velkaron
