#include "win/Liaison.h"

#include "core/Score.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"

namespace cogitelle {

namespace {

TypeMur TypeDe(Piece mur)
{
    return mur == Piece::MurDroit ? TypeMur::Droit : mur == Piece::MurBas ? TypeMur::Bas : TypeMur::BasDroit;
}

template <typename Grille>
bool Dans(const Grille& grille, const Controle* c)
{
    const Controle* debut = &grille[0][0];
    return c >= debut && c < debut + sizeof grille / sizeof grille[0][0];
}

} // namespace

Liaison::Liaison(Contexte& c, ActionsFenetres& actions) : c_(c), fenetre_(c, actions)
{
    const Controles& k = c.controles;
    pieces_.reserve(k.OrdreCreation().size());
    for (const Controle* ctl : k.OrdreCreation())
        pieces_.push_back(Dans(k.Cases, ctl)                                              ? Piece::Case
                : Dans(k.CadresInterieurs, ctl) || Dans(k.CadresCases, ctl)               ? Piece::Cadre
                : Dans(k.MursDroits, ctl)                                                 ? Piece::MurDroit
                : Dans(k.MursBas, ctl)                                                    ? Piece::MurBas
                                                                                          : Piece::MurBasDroit);
}

void Liaison::Creer(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce)
{
    CreerEcranDemarrage(c_);
    fenetre_.FormCreate(largeurEcran, hauteurEcran, pixelsParPouce);
}

void Liaison::Activer() { fenetre_.FormActivate(); }
void Liaison::Fermer() { fenetre_.FormClose(); }
void Liaison::ChoisirLangue(int32_t langue) { cogitelle::ChoisirLangue(c_, langue); }

void Liaison::Jouer(TTypeJeu type, int32_t numero, const std::string& nom)
{
    c_.etat.TypeJeu = type;
    c_.etat.NumeroTableau = numero;
    c_.etat.NomJoueur = nom;
    NouvellePartie(c_);
}

void Liaison::CaseEnfoncee(int32_t tag, BoutonSouris bouton, uint32_t etat) { AppelCaseMouseDown(c_, tag, bouton, etat); }
void Liaison::MurEnfonce(Piece mur, int32_t tag) { AppelMurEnfoncement(c_, TypeDe(mur), tag); }
void Liaison::MurRelache(Piece mur, int32_t tag) { AppelMurRelachement(c_, TypeDe(mur), tag); }

void Liaison::MurClique(Piece mur, int32_t tag)
{
    switch (TypeDe(mur)) {
    case TypeMur::Droit: AppelMurDroitClique(c_, tag); break;
    case TypeMur::Bas: AppelMurBasClique(c_, tag); break;
    case TypeMur::BasDroit: AppelMurBasDroitClique(c_, tag); break;
    }
}

Controle* Liaison::Modifiable(const Controle& c) const
{
    for (const PlaceControle& p : fenetre_.Disposition())
        if (p.controle == &c)
            return p.controle;
    return nullptr;
}

void Liaison::PanneauEnfonce(const Controle& panneau)
{
    if (Controle* p = Modifiable(panneau); p && fenetre_.EstCliquable(*p))
        fenetre_.AppelPanelMyMouseDown(*p);
}

void Liaison::PanneauRelache(const Controle& panneau)
{
    if (Controle* p = Modifiable(panneau); p && fenetre_.EstCliquable(*p))
        fenetre_.AppelPanelMyMouseUp(*p);
}

void Liaison::PanneauClique(const Controle& panneau)
{
    const Controles& k = c_.controles;
    using Clic = void (FenetrePrincipale::*)();
    const std::pair<const Controle*, Clic> clics[] = {
        {&k.panelChangerTableau, &FenetrePrincipale::panelChangerTableauClick},
        {&k.panelTableauAleatoire, &FenetrePrincipale::panelTableauAleatoireClick},
        {&k.panelTableauPrecedent, &FenetrePrincipale::panelTableauPrecedentClick},
        {&k.panelTableauIdem, &FenetrePrincipale::panelTableauIdemClick},
        {&k.panelTableauSuivant, &FenetrePrincipale::panelTableauSuivantClick},
        {&k.panelDetailHighScores, &FenetrePrincipale::panelDetailHighScoresClick},
        {&k.panelBut, &FenetrePrincipale::panelButClick},
        {&k.panelReglesDuJeu, &FenetrePrincipale::panelReglesDuJeuClick},
        {&k.panelCalculScores, &FenetrePrincipale::panelCalculScoresClick},
    };
    for (const auto& [c, clic] : clics)
        if (c == &panneau)
            return (fenetre_.*clic)();
    for (TTypeJeu t = 1; t <= NbTypesJeu; ++t)
        if (&k.panelsJeux[t] == &panneau)
            return fenetre_.ChoisirJeu(t);
}

void Liaison::Touche(Fleche fleche) { FormKeyDown(c_, fleche); }
void Liaison::Caractere(char caractere) { FormKeyPress(c_, caractere); }

void Liaison::Tic(Minuterie::Id id)
{
    const Controles& k = c_.controles;
    // A tick already queued when its timer stopped does nothing.
    switch (id) {
    case Minuterie::Score:
        if (k.timerScore.Enabled)
            timerScoreTimer(c_);
        break;
    case Minuterie::RefreshMemoire:
        if (k.timerRefreshMemoire.Enabled)
            timerRefreshMemoireTimer(c_);
        break;
    case Minuterie::Lab:
        if (k.timerLab.Enabled)
            timerLabTimer(c_);
        break;
    }
}

} // namespace cogitelle
