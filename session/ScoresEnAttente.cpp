#include "session/ScoresEnAttente.h"

namespace cogitelle {

void TableRemplaceeParLeJoueur(SuiviSauvegardes& suivi) { suivi.tableDuJoueur = suivi.tableEntiereAEcrire; }

bool ScoresNonEnregistres(const SuiviSauvegardes& suivi)
{
    return !suivi.scoresAEnregistrer.empty() || (suivi.tableEntiereAEcrire && suivi.tableDuJoueur);
}

} // namespace cogitelle
