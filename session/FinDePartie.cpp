#include "session/FinDePartie.h"

#include <string>

#include "core/Score.h"
#include "games/Jeux.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

void FinDePartie(Contexte& c)
{
    GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    const IssuePartie issue = jeu ? jeu->Fin(g) : IssuePartie::EnCours;
    if (issue == IssuePartie::EnCours)
        return;
    g.PartieTerminee = true;
    ArreterMinuteries(c);
    if (issue == IssuePartie::Echouee) {
        c.ports.Message("Fin de la partie. Vous n'avez pas réussi ce cogitelle...");
        return;
    }
    const int32_t s = g.Score;
    const std::string places = std::to_string(PlacesParTableau);
    if (g.MeilleursScores(g.TypeJeu, g.NumeroTableau, PlacesParTableau).ValeurScore >= s) {
        c.ports.Message(std::string("Fin de la partie.") + "\n" +
            "Malheureusement, vous ne réalisez pas un score parmi les " + places + " premiers...");
        return;
    }
    const int32_t r = InsererScore(c, g.TypeJeu, g.NumeroTableau, g.NomJoueur, s);
    // A no-break space keeps each "!" on the line of the word before it when the box wraps.
    const std::string insecable = "\xC2\xA0";
    c.ports.Message(std::string("Fin de la partie.") + "\n" + (r == 1 ? "FELICITATIONS" : "Bravo") + " " +
        g.NomJoueur + insecable + "! Vous entrez dans les " + places + " meilleurs scores" + insecable + "! " + "\n" +
        "Score Numéro " +
        std::to_string(r) + " avec " + std::to_string(s) + " points.");
}

} // namespace cogitelle
