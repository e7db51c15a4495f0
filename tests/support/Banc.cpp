#include "support/Banc.h"

#include <atomic>
#include <random>

#include "session/NouvellePartie.h"
#include "session/Session.h"

namespace cogitelle::test {

DossierTemporaire::DossierTemporaire()
{
    static std::atomic<int> compteur{0};
    std::random_device alea;
    chemin_ = std::filesystem::temp_directory_path() /
        ("cogitelle-test-" + std::to_string(alea()) + "-" + std::to_string(compteur++));
    std::filesystem::create_directories(chemin_);
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ec;
    std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(chemin_, ec);
}

Banc::Banc(MagasinOptions* autreMagasin)
    : session(ports, autreMagasin ? *autreMagasin : magasin, (dossier.chemin() / "scoresI").string()),
      etat(&session.etat), hasard(session.hasard), controles(&session.controles), ctx(session.ctx)
{
    etat->NumeroTableau = 1;
    etat->Langue = 1;
    etat->Verif = 1;
}

void Banc::Jouer(TTypeJeu type, int32_t numero, const std::string& nom)
{
    etat->TypeJeu = type;
    etat->NumeroTableau = numero;
    etat->NomJoueur = nom;
    NouvellePartie(ctx);
}

} // namespace cogitelle::test
