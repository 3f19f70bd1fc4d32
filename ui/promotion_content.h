#pragma once
// What the promotion window says about Lettrovent, the publisher's word game, and the
// publisher's three web addresses. Every address of the program is here and nowhere else.

#include <QString>
#include <QStringList>

namespace velkaron::promotion {

// The addresses, all on the publisher's site.
inline const QString HomePageAddress = QStringLiteral("https://velkaron.example/");
inline const QString InstallerAddress = QStringLiteral("https://velkaron.example/lettrovent/lettrovent-installation.exe");
inline const QString PresentationAddress = QStringLiteral("https://velkaron.example/lettrovent/");

// The one-line title under the banner: what kind of game it is.
inline const QString GameTitle = QStringLiteral("Un jeu de lettres au gré du vent");

inline const QString Headline =
    QStringLiteral("Attrapez au vol les lettres que le vent emporte et formez les plus beaux mots !");

// Two sentences, then nine features ("   -"), four of them going on to a second line ("    ").
// The window joins the lines with CR LF.
inline const QStringList DescriptionLines = {
    QStringLiteral("Dans Lettrovent, des lettres s'envolent au-dessus de la grille et le vent les fait "
                   "tourbillonner : saisissez-les avant qu'elles ne disparaissent."),
    QStringLiteral("Un jeu de réflexion et d'adresse pour toute la famille."),
    QStringLiteral("   -Quatre vents : brise, mistral, tramontane et tempête"),
    QStringLiteral("   -Des parties de 3, 5 ou 10 minutes"),
    QStringLiteral("   -Un mode entraînement sans chronomètre,"),
    QStringLiteral("    pour apprendre à son rythme"),
    QStringLiteral("   -Plus de 80 000 mots du français courant"),
    QStringLiteral("   -Le sens de chaque mot trouvé, d'un clic"),
    QStringLiteral("   -Jusqu'à quatre joueurs sur le même ordinateur,"),
    QStringLiteral("    chacun à son tour"),
    QStringLiteral("   -Un défi nouveau chaque jour et ses records"),
    QStringLiteral("   -Trois niveaux de difficulté, du débutant"),
    QStringLiteral("    au lexicographe averti"),
    QStringLiteral("   -Des grilles à thème : cuisine, mer, musique,"),
    QStringLiteral("    nature et voyages"),
};

inline const QString FreeTrial = QStringLiteral("Essayez-le gratuitement et sans engagement !");

inline const QString NoInternetNeeded = QStringLiteral("Aucune connexion Internet n'est nécessaire.");

} // namespace velkaron::promotion
