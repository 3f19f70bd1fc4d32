#include "core/cli_arguments.h"

#include "core/strict_utf8.h"

namespace velkaron {
namespace {

CliArguments usageError(const QString &error)
{
    CliArguments arguments;
    arguments.action = CliArguments::Action::UsageError;
    arguments.error = error;
    return arguments;
}

} // namespace

CliArguments CliArguments::parse(const QList<QByteArray> &arguments)
{
    CliArguments parsed;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        const bool isOption = !optionsEnded && argument.startsWith('-') && argument != "-";
        if (!isOption) {
            parsed.texts.append({argument, i + 1, argument == "-"});
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            CliArguments help;
            help.action = Action::ShowHelp;
            return help;
        } else if (argument == "--exact") {
            parsed.exact = true;
        } else if (argument == "--prefix" || argument == "-p") {
            parsed.mode = Mode::Prefix;
        } else {
            return usageError(QStringLiteral("option inconnue « %1 ».").arg(showBytes(argument)));
        }
    }
    if (parsed.texts.isEmpty()) {
        return usageError(parsed.mode == Mode::Prefix ? QStringLiteral("--prefix attend au moins un texte.")
                                                      : QStringLiteral("aucun mot à chercher."));
    }
    return parsed;
}

QString cliUsage()
{
    return QStringLiteral(
        "Usage : velkaron-cli [--prefix] [--exact] [--] MOT…\n"
        "Le dictionnaire des synonymes Velkaron, sans fenêtre.\n"
        "\n"
        "  velkaron-cli MOT…             pour chaque mot, comme s'il était tapé et cherché :\n"
        "                                le message de résultat, la ligne de catégorie s'il\n"
        "                                y en a une, puis les synonymes, un par ligne.\n"
        "                                Un mot sans entrée est cherché sous sa forme de\n"
        "                                dictionnaire (Hunspell) quand elle en a une : une\n"
        "                                ligne « MOT → FORME » précède alors la réponse.\n"
        "  velkaron-cli --prefix TEXTE…  pour chaque texte, comme s'il était tapé : le nombre\n"
        "                                de mots listés, puis les mots du dictionnaire qui\n"
        "                                commencent par lui (accents et majuscules mis à part).\n"
        "\n"
        "  -                 lit un mot par ligne sur l'entrée standard, à sa place parmi\n"
        "                    les autres (une ligne vide est le mot vide).\n"
        "  --                la suite n'est faite que de mots, même commençant par « - ».\n"
        "  --exact           cherche chaque mot tel quel, sans forme de dictionnaire :\n"
        "                    exactement la recherche de la fenêtre.\n"
        "  -p, --prefix      liste les mots qui commencent par chaque texte.\n"
        "  -h, --help        affiche cette aide.\n"
        "\n"
        "Une ligne vide sépare les réponses. Entrée et sortie en UTF-8 ; un mot qui n'est\n"
        "pas de l'UTF-8 valide est signalé sur la sortie d'erreur et ignoré.\n"
        "\n"
        "Code de sortie : 0 si tous les mots ont reçu une réponse (trouvés ou non), 1 si un\n"
        "mot a été ignoré ou si le dictionnaire n'a pu être chargé, 2 pour une erreur\n"
        "d'utilisation.\n");
}

} // namespace velkaron
