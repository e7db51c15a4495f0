#include "session/Textes.h"

#include <string>

#include "core/Score.h"
#include "games/CarreMagique.h"
#include "games/Differences.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "games/Serpentin.h"
#include "session/Echelles.h"

namespace cogitelle {

namespace {

// A number the rules texts quote, as they print it.
std::string N(int32_t v) { return std::to_string(v); }

const std::string CalculDebut = "Calcul des scores : Vous démarrez avec un score de " + N(ScoreDeDepart) +
    " points. " + "Chaque seconde passée vous faire perdre " + N(CoutSeconde) + " point. ";

} // namespace

void PreparerTextes(Contexte& c)
{
    GameState& g = c.etat;
    // Every text below follows from these values alone.
    const GameState::SourcesTextes sources{true, g.Langue, g.SommeMagique, g.LongueurSerpentin, g.TailleGroupe,
        g.AvecDiagonales};
    if (g.TextesPreparesPour == sources)
        return;
    g.TextesPreparesPour = sources;
    if (g.Langue == 1) {
        g.TexteQuestionQuitter = "Voulez-vous vraiment arrêter ?";
        g.TexteAuRevoir = "A bientôt !!!";
        g.TexteOuiQuitter = "Oui";
        g.TexteNonQuitter = "Non";
        g.FichierAide = "cogitellefr.html";
    } else if (g.Langue == 2) {
        g.TexteQuestionQuitter = "Do you really want to quit ?";
        g.TexteAuRevoir = "See you !!!";
        g.TexteOuiQuitter = "Yes";
        g.TexteNonQuitter = "No";
        g.FichierAide = "cogitelleus.html";
    }

    g.TitresJeux[Labyrinthe] = "JEU DU LABYRINTHE";
    g.TitresJeux[CarreMagique] = "CARRES MAGIQUES";
    g.TitresJeux[Differences] = "JEU DES DIFFERENCES";
    g.TitresJeux[Serpentin] = "JEU DU SERPENTIN";
    g.TitresJeux[Memoire] = "JEU DE LA MEMOIRE";

    const std::string S = std::to_string(g.SommeMagique);
    const std::string L = std::to_string(g.LongueurSerpentin);
    std::string groupe, nombre;
    switch (g.TailleGroupe) {
    case 2: groupe = "paires"; nombre = "deux"; break;
    case 3: groupe = "tierces"; nombre = "trois"; break;
    case 4: groupe = "carrés"; nombre = "quatre"; break;
    case 5: groupe = "quintes"; nombre = "cinq"; break;
    default: break;
    }

    g.TextesBut[Labyrinthe] = "But du jeu : Vous devez atteindre la case Arrivée avec le maximum de points que "
                              "vous récupérez dans les méandres du labyrinthe.";
    g.TextesRegles[Labyrinthe] = "Règles du jeu : Vous vous déplacez à l'aide des flèches de votre clavier. Dès que "
                                 "vous atteignez une case marquée d'un nombre, vous récupérez autant de points.La "
                                 "partie se termine lorsque vous atteignez la case Arrivée (case en bas à droite).";
    g.TextesScores[Labyrinthe] = CalculDebut + "Chaque déplacement dans le labyrinthe vous faire perdre " +
        N(CoutPasLabyrinthe) + " point. " +
        "Dès que vous atteignez une case marquée d'un nombre, vous récupérez autant de points.";

    g.TextesBut[CarreMagique] = "But du jeu : Vous devez faire en sorte que la somme des nombres de chaque ligne et "
                                "chaque colonne soit identique (" + S +
        ") en inversant le moins de cases possibles (deux par deux).";
    if (g.AvecDiagonales)
        g.TextesBut[CarreMagique] += " De même pour les deux diagonales !";
    g.TextesRegles[CarreMagique] = "Règles du jeu : Pour inverser les nombres de deux cases, vous pouvez cliquez sur "
                                   "les parois entre ces deux cases. A noter que les cases en gris autour du carré "
                                   "magique représentent l'écart qui vous sépare de la somme (" + S +
        ") à réaliser pour chaque ligne et colonne.";
    g.TextesScores[CarreMagique] =
        CalculDebut + "Chaque inversion de deux cases vous coûte " + N(CoutInversionCarre) + " points.";

    g.TextesBut[Differences] = "But du jeu : Vous devez parcourir le maximum de cases en vous déplaçant d'une case à "
                               "l'autre du moment que la différence entre les 2 cases est inférieure ou égale à " +
        N(EcartMaxDifferences) +
        ". Vous pouvez permuter les cases par 2 ou par 4 ou vous déplacez sur une case autorisée. ";
    g.TextesRegles[Differences] = "Règles du jeu : La case entourée de jaune indique la case où vous vous trouvez. "
                                  "Les cases entourées de vert indiquent les cases vers lesquelles vous pouvez aller. "
                                  "Pour inverser deux cases, il suffit de cliquer sur les parois entre 2 ou 4 cases. ";
    g.TextesScores[Differences] = CalculDebut + "Chaque déplacement vous rapporte " + N(GainPasDifferences) +
        " points - la différence entre la case de départ et la case arrivée. " +
        "Chaque inversion de 2 ou 4 cases vous coûte " + N(CoutInversionDifferences) + "  points.";

    g.TextesBut[Serpentin] = "But du jeu : Vous devez réaliser un alignement d'au moins " + L +
        " nombres consécutifs en déplaçant les cases vers le trou principal. " +
        "Les cases doivent se suivre (par exemple : 5,6,7,8, etc.) mais elles peuvent se croiser, aller en ligne "
        "droite ou diagonale.";
    g.TextesRegles[Serpentin] = "Règles du jeu : Vous pouvez déplacer une ou plusieurs cases, du moment que sur la "
                                "ligne, il y a le trou principal. Procédez en cliquant sur la case souhaitée. Vous "
                                "pouvez également déplacer une case vers le trou principal en cliquant dessus avec le "
                                "bouton droit de la souris.";
    g.TextesScores[Serpentin] = CalculDebut + "Chaque click sur une case vous coûte " + N(CoutClicSerpentin) +
        " points. " + "Chaque déplacement de case vous coûte " + N(CoutGlissementSerpentin) + " points.";

    g.TextesBut[Memoire] = "But du jeu : Vous devez associer par " + groupe +
        " des nombres identiques que vous découvrez au fur et à mesure sur la grille de jeu.";
    g.TextesRegles[Memoire] = "Règles du jeu : Cliquez sur la case de votre choix et le nombre apparaîtra. Seuls "
                              "les nombres des " + nombre + " dernières cases sélectionnées sont visibles.";
    g.TextesScores[Memoire] = CalculDebut + "Chaque click sur une case vous coûte " + N(CoutClicMemoire) + " points.";
}

void AfficherInfo(Contexte& c, const std::string& texte)
{
    // The label is scaled by both factors: its type follows the smaller one, so every text fits.
    c.controles.lblInfos.SetTaillePolice(TaillePoliceInfo(c.etat.FacteurEcranX, c.etat.FacteurEcranY));
    c.controles.lblInfos.SetCaption(texte);
}

} // namespace cogitelle
