// Saves killed at any moment while another copy of the game keeps saving: the score file is always
// a whole table holding every score whose save said it succeeded, and what the killed saves left
// behind goes at the next save.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "store/MeilleursScores.h"
#include "store/OptionsScenarios.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

namespace {

// A bare copy of the game over the score file `chemin`.
struct Copie {
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsEnregistres ports;
    MagasinMemoire magasin;
    Contexte ctx;
    explicit Copie(const std::string& chemin) : ctx{*etat, hasard, *controles, ports, magasin, chemin} {}
};

struct Record {
    TTypeJeu type;
    int32_t numero, score;
    std::string nom;
};

// Saves until killed. Copy "A<n>" enters up to 9 scores in a list of its own, then saves without
// a change; copy "B" enters a score in a new list at each save. After each save that says it
// succeeded, the scores it put on disk are written to `fd`, one line each.
[[noreturn]] void Sauver(const std::string& chemin, int fd, bool estB, int n)
{
    Copie c(chemin);
    ChargerFichierScores(c.ctx);
    std::vector<Record> enAttente;
    for (int k = 0;; ++k) {
        Record r;
        if (estB) {
            r = {3 + (k / 500) % 3, 1 + k % 500, 9000, "B" + std::to_string(k)};
        } else {
            r = {1 + n % 2, 1 + (n / 2) % 500, 9000 + k, "A" + std::to_string(n) + "." + std::to_string(k)};
        }
        if ((estB && k < 1500) || (!estB && k < 9)) {
            if (InsererScore(c.ctx, r.type, r.numero, r.nom, r.score) > 0)
                enAttente.push_back(r);
        } else {
            EcrireMeilleursScores(c.ctx);
        }
        if (c.ctx.Sauvegardes.derniereSauvegardeReussie) {
            for (const Record& e : enAttente) {
                const std::string ligne = std::to_string(e.type) + " " + std::to_string(e.numero) + " " +
                    std::to_string(e.score) + " " + e.nom + "\n";
                if (::write(fd, ligne.data(), ligne.size()) != static_cast<ssize_t>(ligne.size()))
                    std::_Exit(2);
            }
            enAttente.clear();
        }
        // A player's copy saves at each game, not without a pause: the others get the lock too.
        if (estB)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

pid_t Lancer(const std::string& chemin, int fd, bool estB, int n)
{
    std::fflush(stdout);
    const pid_t pid = ::fork();
    if (pid == 0)
        Sauver(chemin, fd, estB, n);
    return pid;
}

void Vider(int fd, std::string& recu)
{
    char tampon[4096];
    for (;;) {
        const ssize_t k = ::read(fd, tampon, sizeof tampon);
        if (k <= 0)
            return;
        recu.append(tampon, static_cast<size_t>(k));
    }
}

} // namespace

TEST(SauvegardesTuees, ToujoursUneTableEntiereAvecChaqueScoreEnregistre)
{
    Banc banc;
    const std::string& chemin = banc.ctx.CheminScores;
    LireMeilleursScores(banc.ctx);   // a default table to start from
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ASSERT_EQ(::fcntl(tube[0], F_SETFL, O_NONBLOCK), 0);

    std::string recu;
    const pid_t b = Lancer(chemin, tube[1], true, 0);
    ASSERT_GT(b, 0);
    std::mt19937 alea(20261208);
    std::uniform_int_distribution<int> attente(0, 12000);
    int tuees = 0;
    for (int n = 0; n < 200; ++n) {
        const pid_t a = Lancer(chemin, tube[1], false, n);
        ASSERT_GT(a, 0);
        if (n % 20 == 0) {
            // However slow the machine, some killed copies have saved first.
            const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (recu.find(" A" + std::to_string(n) + ".") == std::string::npos &&
                std::chrono::steady_clock::now() < limite) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                Vider(tube[0], recu);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(attente(alea)));
        ::kill(a, SIGKILL);
        int statut = 0;
        ASSERT_EQ(::waitpid(a, &statut, 0), a);
        tuees += WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL;
        Vider(tube[0], recu);
    }
    // And so has the other copy.
    for (const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
         recu.find(" B") == std::string::npos && std::chrono::steady_clock::now() < limite;
         Vider(tube[0], recu))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ::kill(b, SIGKILL);
    ASSERT_EQ(::waitpid(b, nullptr, 0), b);
    ::close(tube[1]);
    Vider(tube[0], recu);
    ::close(tube[0]);
    EXPECT_EQ(tuees, 200);

    // Every score whose save succeeded is in the file, a whole table.
    const auto verifier = [&](const char* quand) {
        SCOPED_TRACE(quand);
        const std::string octets = LireFichierEntier(chemin);
        ASSERT_EQ(octets.size(), TailleFichierScores);
        auto table = std::make_unique<TableMeilleursScores>();
        LireOctetsTable(*table, octets);
        std::istringstream lignes(recu);
        int32_t t, p, score;
        std::string nom;
        int vusA = 0, vusB = 0;
        while (lignes >> t >> p >> score >> nom) {
            bool present = false;
            for (int32_t r = 1; r <= 10; ++r)
                present = present || (NomEnregistrement((*table)(t, p, r)) == nom && (*table)(t, p, r).ValeurScore == score);
            EXPECT_TRUE(present) << nom << " " << score << " is missing from list " << t << "/" << p;
            (nom[0] == 'A' ? vusA : vusB)++;
        }
        // Both copies saved scores, or the test proves nothing.
        EXPECT_GT(vusA, 0);
        EXPECT_GT(vusB, 0);
        std::cout << "[ info ] " << quand << ": " << vusA << " scores of the killed copies and " << vusB
                  << " of the other one saved\n";
    };
    verifier("after the kills");

    // Minutes later, the next save removes what the killed saves left.
    int temporaires = 0;
    for (const auto& e : fs::directory_iterator(banc.dossier.chemin()))
        if (e.path().extension() == ".tmp") {
            ++temporaires;
            fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::minutes(10));
        }
    std::cout << "[ info ] temporary files left by the kills: " << temporaires << "\n";
    Copie suivante(chemin);
    ASSERT_EQ(ChargerFichierScores(suivante.ctx), EtatFichierScores::Complet);
    EcrireMeilleursScores(suivante.ctx);
    EXPECT_TRUE(suivante.ctx.Sauvegardes.derniereSauvegardeReussie);
    for (const auto& e : fs::directory_iterator(banc.dossier.chemin()))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
    verifier("after the next save");
    EXPECT_TRUE(suivante.ports.erreurs.empty());
}

#endif
