#include "core/copy_text.h"

namespace velkaron {

QString synonymListCopy(QStringView entryText, const QStringList &results, const QString &lineBreak)
{
    QString body;
    for (const QString &line : results) {
        if (body.isEmpty())
            body = line;
        else
            body += lineBreak + line;
    }
    return QStringLiteral("Liste des synonyme de ''") + entryText.toString() + QStringLiteral("'':") + lineBreak + body;
}

QString helpMessage(const QString &lineBreak)
{
    const QString paragraph = lineBreak + lineBreak;
    return QStringLiteral("Dans la zone de texte saisir un mot, puis cliquer sur le") + lineBreak
        + QStringLiteral("bouton ''Rechercher''.") + paragraph
        + QStringLiteral("Si des synonymes existent, une zone de liste, contenant") + lineBreak
        + QStringLiteral("tous les synonymes trouvés, est affichée.") + paragraph
        + QStringLiteral("En cliquant avec le bouton droit de la souris dans") + lineBreak
        + QStringLiteral("la liste, vous pouvez copier les résultats de la recherche.");
}

} // namespace velkaron
