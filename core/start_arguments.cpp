#include "core/start_arguments.h"

#include "core/strict_utf8.h"

namespace velkaron {
namespace {

StartArguments usageError(const QString &error)
{
    StartArguments arguments;
    arguments.action = StartArguments::Action::UsageError;
    arguments.error = error;
    return arguments;
}

} // namespace

StartArguments StartArguments::parse(const QList<QByteArray> &arguments)
{
    StartArguments parsed;
    bool optionsEnded = false;
    for (const QByteArray &argument : arguments) {
        const bool isOption = !optionsEnded && argument.startsWith('-');
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            StartArguments help;
            help.action = Action::ShowHelp;
            return help;
        } else if (isOption && argument == "--selection") {
            parsed.selection = true;
        } else if (isOption) {
            return usageError(QStringLiteral("option inconnue « %1 ».").arg(showBytes(argument)));
        } else if (parsed.word) {
            return usageError(QStringLiteral("un seul mot à la fois (mettez une expression entre guillemets)."));
        } else if (const std::optional<QString> word = decodeStrictUtf8(argument)) {
            parsed.word = *word;
        } else {
            return usageError(QStringLiteral("« %1 » n'est pas de l'UTF-8 valide.").arg(showBytes(argument)));
        }
    }
    if (parsed.word && parsed.selection)
        return usageError(QStringLiteral("un mot ou --selection, pas les deux."));
    return parsed;
}

QString startUsageLine()
{
    return QStringLiteral("Usage : velkaron [MOT | --selection]");
}

QString startHelp()
{
    return startUsageLine()
        + QStringLiteral(
              "\n"
              "Le dictionnaire des synonymes Velkaron.\n"
              "\n"
              "  velkaron              ouvre la fenêtre.\n"
              "  velkaron MOT          ouvre la fenêtre et cherche MOT (une expression entre\n"
              "                        guillemets : velkaron \"à cheval\").\n"
              "  velkaron --selection  ouvre la fenêtre et cherche le texte sélectionné dans un\n"
              "                        autre programme (la sélection primaire, sinon le\n"
              "                        presse-papiers) : ses trois premiers mots, sans la\n"
              "                        ponctuation ni les guillemets autour, ni l'article\n"
              "                        élidé du début (« l’arbre » cherche « arbre »).\n"
              "  -h, --help            affiche cette aide.\n"
              "  --                    la suite est le mot, même s'il commence par « - ».\n"
              "\n"
              "Un mot sans entrée est cherché sous sa forme de dictionnaire (« mangerions » sous\n"
              "« manger ») grâce au dictionnaire orthographique Hunspell du français.\n"
              "\n"
              "Si Velkaron est déjà ouvert, sa fenêtre passe au premier plan et cherche le mot ;\n"
              "aucune seconde fenêtre ne s'ouvre.\n"
              "\n"
              "Code de sortie : 0 quand la fenêtre est fermée ou le mot confié à la fenêtre\n"
              "ouverte, 1 si le dictionnaire n'a pu être chargé, 2 pour une erreur\n"
              "d'utilisation.\n");
}

} // namespace velkaron
