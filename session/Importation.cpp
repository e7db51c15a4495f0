#include "session/Importation.h"

#include <memory>

#include "core/Score.h"
#include "session/ScoresEnAttente.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

ResultatImport ImporterMeilleursScores(Contexte& c, const std::string& octets, uint64_t tailleFichier,
    const std::string& erreurLecture)
{
    std::string raison;
    auto table = std::make_unique<TableMeilleursScores>();
    if (!erreurLecture.empty())
        raison = "il n'a pas pu être lu (" + erreurLecture + ")";
    else if (tailleFichier != octets.size())
        raison = "un fichier des meilleurs scores a " + std::to_string(TailleFichierScores) + " octets, celui-ci en a " +
            std::to_string(tailleFichier);
    if (!raison.empty() || !LireFichierImporte(octets, *table, raison)) {
        c.ports.Erreur("Ce fichier n'a pas été importé : " + raison + ". Les meilleurs scores sont restés tels qu'ils étaient.");
        return ResultatImport::Refuse;
    }
    if (!c.ports.Question(c.etat.Titre,
            "Etes-vous sûr de vouloir remplacer les scores par ceux de ce fichier (vos records disparaîtront) ?"))
        return ResultatImport::Annule;
    // The file's table replaces the whole one, as a table re-created does.
    c.etat.MeilleursScores = *table;
    c.Sauvegardes.scoresAEnregistrer.clear();
    c.Sauvegardes.tableEntiereAEcrire = true;
    c.Sauvegardes.tableParDefaut = false;
    EcrireMeilleursScores(c);
    TableRemplaceeParLeJoueur(c.Sauvegardes);
    if (c.controles.superPanelDroite.Visible())
        AfficherMeilleursScores(c);
    if (!c.Sauvegardes.derniereSauvegardeReussie) {
        c.ports.Erreur("Les meilleurs scores du fichier sont chargés, mais n'ont pas pu être enregistrés : ils restent en "
                       "mémoire et seront enregistrés de nouveau à la prochaine occasion.");
        return ResultatImport::NonEnregistre;
    }
    c.ports.Message("Les meilleurs scores du fichier ont été importés.");
    return ResultatImport::Importe;
}

} // namespace cogitelle
