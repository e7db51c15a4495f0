// Saves over the in-memory file system, failing at every call in turn: the score file always
// holds either its old table or the new one, and no failure is taken for a success.
#include <gtest/gtest.h>

#include "store/MeilleursScores.h"
#include "store/SystemeFichiersMemoire.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;

namespace {

// Fails the call number `panne` (counted from 0), a write keeping half its bytes.
class PanneAuNieme : public SystemeFichiersMemoire {
public:
    int panne = -1;
    int appels = 0;
    bool Permettre(Operation op, const std::string& chemin, size_t& taille, std::string& raison) override
    {
        if (appels++ != panne)
            return SystemeFichiersMemoire::Permettre(op, chemin, taille, raison);
        taille /= 2;
        raison = "Input/output error";
        return false;
    }
};

} // namespace

TEST(SystemeFichiersMemoire, UnePanneAChaqueAppelLaisseUneTableEntiere)
{
    const std::string chemin = "jeu/scoresI";
    for (const bool dossierEnLectureSeule : {false, true}) {
        int appels = 0;
        for (int panne = 0; panne == 0 || panne < appels; ++panne) {
            SCOPED_TRACE("call " + std::to_string(panne) + (dossierEnLectureSeule ? ", read-only folder" : ""));
            PanneAuNieme fs;
            Banc banc;
            banc.ctx.CheminScores = chemin;
            banc.ctx.Sauvegardes.fichiers = &fs;
            // A table on disk, a stale temporary file, a player's backup; one copy loads it.
            fs.Poser(chemin, std::string(TailleFichierScores, '\0'));
            fs.Poser(chemin + ".4000-1.tmp", "vieux");
            fs.noeuds[chemin + ".4000-1.tmp"].modifie = fs.horloge - 3600;
            fs.Poser(chemin + ".bak", "copie du joueur");
            if (dossierEnLectureSeule)
                fs.dossiersEnLectureSeule.insert("jeu");
            ASSERT_EQ(ChargerFichierScores(banc.ctx), EtatFichierScores::Complet);
            const std::string ancien = *fs.Contenu(chemin);

            fs.panne = panne;
            fs.appels = 0;
            ASSERT_EQ(InsererScore(banc.ctx, 1, 1, "ALICE", 9000), 1);
            appels = std::max(appels, fs.appels);
            const std::string nouveau = OctetsTable(banc.g().MeilleursScores);
            const std::string* fichier = fs.Contenu(chemin);
            ASSERT_NE(fichier, nullptr);
            const bool reussie = banc.ctx.Sauvegardes.derniereSauvegardeReussie;
            if (reussie) {
                EXPECT_EQ(*fichier, nouveau);
            } else if (!dossierEnLectureSeule) {
                EXPECT_EQ(*fichier, ancien);   // replaced at once, or not at all
            }
            // A failed save says so, once; a read that fails at a save may add where the file went.
            int echecs = 0;
            for (const std::string& m : banc.ports.erreurs)
                echecs += m.find("n'ont pas pu être enregistrés") != std::string::npos;
            EXPECT_EQ(echecs, reussie ? 0 : 1);
            EXPECT_EQ(*fs.Contenu(chemin + ".bak"), "copie du joueur");
            EXPECT_TRUE(fs.Verrouilles().empty());

            // Once the disk is sound again, the next save writes the record, whatever the first left.
            fs.panne = -1;
            EcrireMeilleursScores(banc.ctx);
            EXPECT_TRUE(banc.ctx.Sauvegardes.derniereSauvegardeReussie);
            EXPECT_EQ(*fs.Contenu(chemin), nouveau);
            EXPECT_EQ(banc.g().MeilleursScores(1, 1, 1).ValeurScore, 9000);
            if (!dossierEnLectureSeule) {   // nothing can be removed from a read-only folder
                for (const auto& [nom, noeud] : fs.noeuds)
                    EXPECT_EQ(nom.find(".tmp"), std::string::npos) << nom;
            }
        }
        EXPECT_GT(appels, 8);   // the lock, the listing, the reads, the writes, the rename...
    }
}
