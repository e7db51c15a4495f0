#include "session/Textes.h"

#include <string>

#include "session/Echelles.h"
#include "core/Plateau.h"

namespace cogitelle {

namespace {

const std::string CalculDebut = std::string("Calcul des scores : Vous démarrez avec un score de ") + "5000" +
    " points. " + "Chaque seconde passée vous faire perdre 1 point. ";

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

    g.TitresJeux[1] = "JEU DU LABYRINTHE";
    g.TitresJeux[2] = "CARRES MAGIQUES";
    g.TitresJeux[3] = "JEU DES DIFFERENCES";
    g.TitresJeux[4] = "JEU DU SERPENTIN";
    g.TitresJeux[5] = "JEU DE LA MEMOIRE";

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

    g.TextesBut[1] = "But du jeu : Vous devez atteindre la case Arrivée avec le maximum de points que vous "
                     "récupérez dans les méandres du labyrinthe.";
    g.TextesRegles[1] = "Règles du jeu : Vous vous déplacez à l'aide des flèches de votre clavier. Dès que vous "
                        "atteignez une case marquée d'un nombre, vous récupérez autant de points.La partie se "
                        "termine lorsque vous atteignez la case Arrivée (case en bas à droite).";
    g.TextesScores[1] = CalculDebut + "Chaque déplacement dans le labyrinthe vous faire perdre " + "1" + " point. " +
        "Dès que vous atteignez une case marquée d'un nombre, vous récupérez autant de points.";

    g.TextesBut[2] = "But du jeu : Vous devez faire en sorte que la somme des nombres de chaque ligne et chaque "
                     "colonne soit identique (" + S + ") en inversant le moins de cases possibles (deux par deux).";
    if (g.AvecDiagonales)
        g.TextesBut[2] += " De même pour les deux diagonales !";
    g.TextesRegles[2] = "Règles du jeu : Pour inverser les nombres de deux cases, vous pouvez cliquez sur les parois "
                        "entre ces deux cases. A noter que les cases en gris autour du carré magique représentent "
                        "l'écart qui vous sépare de la somme (" + S + ") à réaliser pour chaque ligne et colonne.";
    g.TextesScores[2] = CalculDebut + "Chaque inversion de deux cases vous coûte " + "10" + " points.";

    g.TextesBut[3] = "But du jeu : Vous devez parcourir le maximum de cases en vous déplaçant d'une case à l'autre "
                     "du moment que la différence entre les 2 cases est inférieure ou égale à 5. Vous pouvez "
                     "permuter les cases par 2 ou par 4 ou vous déplacez sur une case autorisée. ";
    g.TextesRegles[3] = "Règles du jeu : La case entourée de jaune indique la case où vous vous trouvez. Les cases "
                        "entourées de vert indiquent les cases vers lesquelles vous pouvez aller. Pour inverser "
                        "deux cases, il suffit de cliquer sur les parois entre 2 ou 4 cases. ";
    g.TextesScores[3] = CalculDebut + "Chaque déplacement vous rapporte " + "10" +
        " points - la différence entre la case de départ et la case arrivée. " +
        "Chaque inversion de 2 ou 4 cases vous coûte " + "5" + "  points.";

    g.TextesBut[4] = "But du jeu : Vous devez réaliser un alignement d'au moins " + L +
        " nombres consécutifs en déplaçant les cases vers le trou principal. " +
        "Les cases doivent se suivre (par exemple : 5,6,7,8, etc.) mais elles peuvent se croiser, aller en ligne "
        "droite ou diagonale.";
    g.TextesRegles[4] = "Règles du jeu : Vous pouvez déplacer une ou plusieurs cases, du moment que sur la ligne, "
                        "il y a le trou principal. Procédez en cliquant sur la case souhaitée. Vous pouvez "
                        "également déplacer une case vers le trou principal en cliquant dessus avec le bouton "
                        "droit de la souris.";
    g.TextesScores[4] = CalculDebut + "Chaque click sur une case vous coûte " + "2" + " points. " +
        "Chaque déplacement de case vous coûte " + "50" + " points.";

    g.TextesBut[5] = "But du jeu : Vous devez associer par " + groupe +
        " des nombres identiques que vous découvrez au fur et à mesure sur la grille de jeu.";
    g.TextesRegles[5] = "Règles du jeu : Cliquez sur la case de votre choix et le nombre apparaîtra. Seuls les "
                        "nombres des " + nombre + " dernières cases sélectionnées sont visibles.";
    g.TextesScores[5] = CalculDebut + "Chaque click sur une case vous coûte " + "3" + " points.";
}

void AfficherInfo(Contexte& c, const std::string& texte)
{
    // The label is scaled by both factors: its type follows the smaller one, so every text fits.
    c.controles.lblInfos.SetTaillePolice(TaillePoliceInfo(c.etat.FacteurEcranX, c.etat.FacteurEcranY));
    c.controles.lblInfos.SetCaption(texte);
}

} // namespace cogitelle
