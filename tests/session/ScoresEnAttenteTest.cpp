// Records the player made and the storage did not keep: the scores entered, a table re-created at
// the player's word or imported, until a save puts them in place; never the table the program
// made itself on a first run.
#include <gtest/gtest.h>

#include "session/Importation.h"
#include "session/ScoresEnAttente.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"
#include "support/FichiersDefaillants.h"

using namespace cogitelle;
using namespace cogitelle::test;

TEST(ScoresEnAttente, LesRecordsDuJoueurJusquAUneSauvegardeReussie)
{
    Banc b;
    FichiersDefaillants panne;
    panne.echecRemplacement = true;
    b.ctx.Sauvegardes.fichiers = &panne;
    const SuiviSauvegardes& suivi = b.ctx.Sauvegardes;

    // A first run whose table cannot be stored: the program's own table, no record of the player's.
    LireMeilleursScores(b.ctx);
    ASSERT_TRUE(suivi.tableEntiereAEcrire);
    EXPECT_FALSE(ScoresNonEnregistres(suivi));
    // The re-creation declined changes nothing; accepted, its table is the player's.
    b.ports.reponses = {false};
    b.session.Commande(cmdRecreerScores);
    EXPECT_FALSE(ScoresNonEnregistres(suivi));
    b.ports.reponses = {true};
    b.session.Commande(cmdRecreerScores);
    EXPECT_TRUE(ScoresNonEnregistres(suivi));
    // Stored at last, nothing waits; a later failure of the whole table is no record of the player's.
    panne.echecRemplacement = false;
    EnregistrerScoresEnAttente(b.ctx);
    EXPECT_FALSE(ScoresNonEnregistres(suivi));
    b.ctx.Sauvegardes.tableEntiereAEcrire = true;
    EXPECT_FALSE(ScoresNonEnregistres(suivi));
    EnregistrerScoresEnAttente(b.ctx);

    // A score entered while the storage refuses it, until it is stored.
    panne.echecRemplacement = true;
    b.Jouer(Memoire, 5);
    EXPECT_EQ(InsererScore(b.ctx, Memoire, 5, "ANNE", 9000), 1);
    EXPECT_TRUE(ScoresNonEnregistres(suivi));
    panne.echecRemplacement = false;
    EnregistrerScoresEnAttente(b.ctx);
    EXPECT_FALSE(ScoresNonEnregistres(suivi));

    // An imported table is the player's while it is not stored, not once it is.
    Banc autre;
    InitialiserMeilleursScores(autre.ctx);
    const std::string fichier = OctetsTable(autre.g().MeilleursScores);
    b.ports.reponses = {true};
    EXPECT_EQ(ImporterMeilleursScores(b.ctx, fichier, fichier.size()), ResultatImport::Importe);
    EXPECT_FALSE(ScoresNonEnregistres(suivi));
    panne.echecRemplacement = true;
    b.ports.reponses = {true};
    EXPECT_EQ(ImporterMeilleursScores(b.ctx, fichier, fichier.size()), ResultatImport::NonEnregistre);
    EXPECT_TRUE(ScoresNonEnregistres(suivi));
}
