#include "core/Controles.h"

#include <cstdio>

namespace cogitelle {

std::string EnHex(Couleur c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", Rouge(c), Vert(c), Bleu(c));
    return buf;
}

void Controle::ChangerRect(const Rect& r)
{
    if (visible_)
        Salir();
    rect_ = r;
    Compter();
    if (visible_)
        Salir();
}

Controles::Controles()
{
    ordre_.reserve(16 * 16 + 2 * 14 * 14 + 2 * 13 * 14 + 13 * 13);
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y) {
            Cases[x][y] = Controle(Sorte::Panneau, 100 * x + y);
            Attacher(Cases[x][y], true);
        }
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 14; ++y) {
            CadresInterieurs[x][y] = Controle(Sorte::Cadre, 100 * x + y);
            CadresInterieurs[x][y].couleurStylo_ = couleurs::VertVif;
            Attacher(CadresInterieurs[x][y], true);
        }
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 14; ++y) {
            CadresCases[x][y] = Controle(Sorte::Cadre, 100 * x + y);
            CadresCases[x][y].couleurStylo_ = couleurs::BleuVif;
            Attacher(CadresCases[x][y], true);
        }
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 14; ++y) {
            MursDroits[x][y] = Controle(Sorte::Panneau, 100 * x + y);
            Attacher(MursDroits[x][y], true);
        }
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 13; ++y) {
            MursBas[x][y] = Controle(Sorte::Panneau, 100 * x + y);
            Attacher(MursBas[x][y], true);
        }
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y) {
            MursBasDroits[x][y] = Controle(Sorte::Panneau, 100 * x + y);
            Attacher(MursBasDroits[x][y], true);
        }

    CadreFocus = Controle(Sorte::Cadre, 0);
    CadreFocus.couleurStylo_ = CouleurFocusExterieur;
    CadreFocus.couleur_ = CouleurFocusInterieur;
    CadreFocus.largeurStylo_ = 2;
    // On the board for its repaints, outside the pool.
    CadreFocus.proprietaire_ = this;
    CadreFocus.surPlateau_ = true;

    Controle* panneaux[] = {&panelCentral, &superPanelDroite, &panelNumeroTableau, &panelNomJoueur,
        &panelScoreMixte, &panelTitreMeilleurScore, &panelTitreDernierMeilleurScore,
        &panelPremierMeilleurScore, &panelDernierMeilleurScore, &panelDetailHighScores, &panelInfo,
        &lblInfos, &panelBut, &panelReglesDuJeu, &panelCalculScores, &panelTableaux,
        &panelChangerTableau, &panelTableauAleatoire, &panelTableauPrecedent, &panelTableauIdem,
        &panelTableauSuivant, &superPanelJeux, &panelsJeux[1], &panelsJeux[2], &panelsJeux[3],
        &panelsJeux[4], &panelsJeux[5]};
    for (Controle* c : panneaux) {
        c->visible_ = true;
        Attacher(*c, false);
    }
    // Hidden until the first game.
    panelCentral.visible_ = false;
    panelCentral.couleur_ = couleurs::Noir;
    panelCentral.rect_ = {4, 4, 600, 525};
    superPanelDroite.visible_ = false;
    panelInfo.visible_ = false;
    panelTableaux.visible_ = false;
    superPanelJeux.visible_ = false;
    lblInfos.sorte_ = Sorte::Etiquette;
    lblInfos.taillePolice_ = 9;
}

void Controles::Attacher(Controle& c, bool surPlateau)
{
    c.proprietaire_ = this;
    c.surPlateau_ = surPlateau;
    if (surPlateau)
        ordre_.push_back(&c);
}

void Controles::AjouterZone(const Rect& r) { zonesSales_.push_back(r); }

Controle& Controles::Mur(TypeMur type, int32_t x, int32_t y)
{
    switch (type) {
    case TypeMur::Droit: return MursDroits[x][y];
    case TypeMur::Bas: return MursBas[x][y];
    case TypeMur::BasDroit: break;
    }
    return MursBasDroits[x][y];
}

std::vector<Rect> Controles::PrendreZonesSales()
{
    std::vector<Rect> zones;
    zones.swap(zonesSales_);
    toutSale_ = false;
    return zones;
}

} // namespace cogitelle
