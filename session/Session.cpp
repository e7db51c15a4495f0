#include "session/Session.h"

#include "core/Score.h"
#include "games/Jeux.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

Session::Session(Ports& ports, std::unique_ptr<MagasinOptions> options, std::string cheminScores, SystemeFichiers* fichiers)
    : Session(ports, std::move(options), nullptr, std::move(cheminScores), fichiers)
{
}

Session::Session(Ports& ports, MagasinOptions& options, std::string cheminScores, SystemeFichiers* fichiers)
    : Session(ports, nullptr, &options, std::move(cheminScores), fichiers)
{
}

Session::Session(Ports& ports, std::unique_ptr<MagasinOptions> propre, MagasinOptions* options, std::string cheminScores,
    SystemeFichiers* fichiers)
    : options_(options ? nullptr : propre ? std::move(propre) : std::make_unique<MagasinMemoire>()), etat(*etat_),
      hasard(hasard_), controles(*controles_),
      ctx{etat, hasard, controles, ports, options ? *options : *options_, std::move(cheminScores)},
      principale_(ctx, relais_), choix_(ctx, &principale_), scores_(ctx), clavier_(ctx, principale_),
      menus_(DecrireMenus(false))
{
    ctx.Sauvegardes.fichiers = fichiers;
    // The neighbours are a constant table: any game may start before the main window exists.
    RemplirVoisins(etat.Voisins);
}

Session::~Session() = default;

const std::vector<Menu>& Session::Menus()
{
    ActualiserMenus(menus_, principale_, etat, controles);
    return menus_;
}

void Session::CreerEcranDemarrage(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce)
{
    cogitelle::CreerEcranDemarrage(ctx);
    demarrage_.Creer(CalculerFacteursEcran(largeurEcran, hauteurEcran, pixelsParPouce).X, etat.Titre);
}

void Session::CreerEcranDemarrageDebout(int32_t largeurCss)
{
    cogitelle::CreerEcranDemarrage(ctx);
    demarrage_.CreerDebout(largeurCss, etat.Titre);
}

void Session::CreerFenetrePrincipale(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce, bool echangeScores)
{
    principale_.FormCreate(largeurEcran, hauteurEcran, pixelsParPouce);
    menus_ = DecrireMenus(echangeScores);
}

void Session::Demarrer(int32_t langue) { ChoisirLangue(ctx, langue); }

void Session::TimerDebut()
{
    // The first game always starts from the chooser.
    principale_.Enabled = false;
    relais_.MontrerChoixTableau();
}

void Session::Panneau(int32_t indice, bool enfonce)
{
    const std::vector<PlaceControle>& d = principale_.Disposition();
    if (indice < 0 || static_cast<size_t>(indice) >= d.size() || !d[static_cast<size_t>(indice)].cliquable())
        return;
    Controle& c = *d[static_cast<size_t>(indice)].controle;
    if (enfonce) {
        clavier_.SourisSurPanneau(c);
        principale_.AppelPanelMyMouseDown(c);
    } else
        principale_.AppelPanelMyMouseUp(c);
}

void Session::Case(int32_t tag, BoutonSouris bouton, uint32_t etat)
{
    clavier_.SourisSurCase(tag);
    AppelCaseMouseDown(ctx, tag, bouton, etat);
}

void Session::MurEnfonce(TypeMur type, int32_t tag)
{
    clavier_.SourisSurMur();
    AppelMurEnfoncement(ctx, type, tag);
}

// The glutton may have moved: the frame on its cell follows it.
void Session::Fleche(cogitelle::Fleche touche)
{
    FormKeyDown(ctx, touche);
    PlacerCadreFocus(ctx);
}

void Session::Caractere(char caractere)
{
    FormKeyPress(ctx, caractere);
    PlacerCadreFocus(ctx);
}

void Session::MurClique(TypeMur type, int32_t tag)
{
    switch (type) {
    case TypeMur::Droit: AppelMurDroitClique(ctx, tag); break;
    case TypeMur::Bas: AppelMurBasClique(ctx, tag); break;
    case TypeMur::BasDroit: AppelMurBasDroitClique(ctx, tag); break;
    }
}

void Session::Toucher(int32_t tag)
{
    const Jeu* jeu = JeuDe(etat.TypeJeu);
    using F = cogitelle::Fleche;
    for (F f : {F::Gauche, F::Droite, F::Haut, F::Bas}) {
        PosCase cible;
        if (etat.ClavierActif && jeu && jeu->Touche(etat, f, cible) && cible.x == tag / 100 && cible.y == tag % 100) {
            Fleche(f);
            return;
        }
    }
    // Elsewhere the finger is the mouse, which presses no hidden cell.
    const int32_t x = tag / 100, y = tag % 100;
    if (x >= 0 && x <= 15 && y >= 0 && y <= 15 && controles.Cases[x][y].Visible())
        Case(tag, BoutonSouris::Gauche, ssLeft);
}

void Session::Tic(Minuterie::Id id) { TicMinuterie(ctx, id); }

void Session::NouvellePartie() { cogitelle::NouvellePartie(ctx); }

std::string Session::ExporterScores() const { return OctetsTable(etat.MeilleursScores); }

void Session::Relais::MontrerChoixTableau()
{
    if (cible)
        cible->MontrerChoixTableau();
}

void Session::Relais::MontrerMeilleursScores()
{
    if (cible)
        cible->MontrerMeilleursScores();
}

void Session::Relais::FermerEcranDemarrage()
{
    if (cible)
        cible->FermerEcranDemarrage();
}

bool Session::Relais::ChoisirCouleur(Couleur initiale, Couleur& choisie)
{
    return cible && cible->ChoisirCouleur(initiale, choisie);
}

void Session::Relais::MontrerAide(const std::string& fichier)
{
    if (cible)
        cible->MontrerAide(fichier);
}

void Session::Relais::ExporterMeilleursScores()
{
    if (cible)
        cible->ExporterMeilleursScores();
}

void Session::Relais::ImporterMeilleursScores()
{
    if (cible)
        cible->ImporterMeilleursScores();
}

void Session::Relais::ExporterCopiesGardees()
{
    if (cible)
        cible->ExporterCopiesGardees();
}

} // namespace cogitelle
