#pragma once
// The texts that the copy commands put on the clipboard and the help message.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace velkaron {

// The heading "Liste des synonyme de ''<entry>'':", a line break, then the result lines
// joined by line breaks: empty lines before the first non-empty one leave no trace, a
// later empty line stays. Nothing follows the last line.
QString synonymListCopy(QStringView entryText, const QStringList &results, const QString &lineBreak);

// The usage message of the help button, lines joined by `lineBreak`, paragraphs
// separated by an empty line, no line break at the end.
QString helpMessage(const QString &lineBreak);

} // namespace velkaron
