#include "session/Clavier.h"

#include <algorithm>

#include "core/Plateau.h"
#include "games/Jeux.h"
#include "session/NouvellePartie.h"

namespace cogitelle {

void PlacerCadreFocus(Contexte& c)
{
    const GameState& g = c.etat;
    Controles& k = c.controles;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    FocusClavier& f = k.Focus;
    const int32_t n = std::min(g.NbColonnes, 14);
    if (jeu && jeu->CurseurSurJoueur() && DansLePlateau(g, g.PosX, g.PosY)) {
        f.x = g.PosX;
        f.y = g.PosY;
    }
    if (n >= 1) {
        f.x = std::clamp(f.x, 1, n);
        f.y = std::clamp(f.y, 1, n);
        k.CadreFocus.SetRect(k.Cases[f.x][f.y].rect());
        // Each ring two pixels of the design, scaled.
        k.CadreFocus.SetLargeurStylo(std::max(1, Arrondi(2 * g.FacteurEcranX)));
    }
    k.CadreFocus.SetVisible(jeu && n >= 1 && !f.panneau && f.montre && k.panelCentral.Visible());
}

void RemettreCurseur(Contexte& c)
{
    const GameState& g = c.etat;
    if (const Jeu* jeu = JeuDe(g.TypeJeu)) {
        const PosCase depart = jeu->CaseDeDepart(g);
        c.controles.Focus.x = depart.x;
        c.controles.Focus.y = depart.y;
    }
    PlacerCadreFocus(c);
}

int32_t CotePlateauLu(const GameState& g) { return JeuDe(g.TypeJeu) ? std::min(g.NbColonnes, 14) : 0; }

TexteCase DireCase(const GameState& g, int32_t x, int32_t y)
{
    const Jeu* jeu = JeuDe(g.TypeJeu);
    return jeu && DansLePlateau(g, x, y) ? jeu->DireCase(g, x, y) : TexteCase{};
}

std::string DecrirePlateau(const GameState& g)
{
    const Jeu* jeu = JeuDe(g.TypeJeu);
    return jeu ? std::string(jeu->titre) + ", cogitelle n° " + std::to_string(g.NumeroTableau) : std::string();
}

std::string NomColonneLue(int32_t x) { return "colonne " + std::to_string(x); }
std::string NomLigneLue(int32_t y) { return "ligne " + std::to_string(y); }

Clavier::Clavier(Contexte& c, FenetrePrincipale& fenetre) : c_(c), fenetre_(fenetre) {}

namespace {

struct Direction {
    int32_t dx, dy;
};

Direction DirectionDe(ToucheClavier t)
{
    switch (t) {
    case ToucheClavier::Gauche: return {-1, 0};
    case ToucheClavier::Droite: return {1, 0};
    case ToucheClavier::Haut: return {0, -1};
    case ToucheClavier::Bas: return {0, 1};
    case ToucheClavier::HautGauche: return {-1, -1};
    case ToucheClavier::HautDroite: return {1, -1};
    case ToucheClavier::BasGauche: return {-1, 1};
    case ToucheClavier::BasDroite: return {1, 1};
    default: return {0, 0};
    }
}

Fleche FlecheDe(ToucheClavier t)
{
    switch (t) {
    case ToucheClavier::Gauche: return Fleche::Gauche;
    case ToucheClavier::Droite: return Fleche::Droite;
    case ToucheClavier::Haut: return Fleche::Haut;
    default: return Fleche::Bas;
    }
}

} // namespace

bool Clavier::Accessible(const Controle* arret) const
{
    if (!arret)
        return c_.controles.panelCentral.Visible() && JeuDe(c_.etat.TypeJeu);
    for (const PlaceControle& p : fenetre_.Disposition())
        if (p.controle == arret)
            return p.cliquable() && arret->Visible() && arret->Enabled() && (!p.parent || p.parent->Visible());
    return false;
}

std::vector<const Controle*> Clavier::Arrets() const
{
    std::vector<const Controle*> arrets;
    if (Accessible(nullptr))
        arrets.push_back(nullptr);
    for (size_t i : fenetre_.OrdreTabulation()) {
        const Controle* p = fenetre_.Disposition()[i].controle;
        if (Accessible(p))
            arrets.push_back(p);
    }
    return arrets;
}

void Clavier::Montrer()
{
    const FocusClavier& f = c_.controles.Focus;
    for (size_t i : fenetre_.OrdreTabulation()) {
        Controle* p = fenetre_.Disposition()[i].controle;
        p->SetFocus(f.montre && p == f.panneau);
    }
    PlacerCadreFocus(c_);
}

void Clavier::Tabuler(bool arriere)
{
    FocusClavier& f = c_.controles.Focus;
    // Every stop, reachable now or not, so that a panel that has just been disabled still knows
    // its place in the round.
    std::vector<const Controle*> tour{nullptr};
    for (size_t i : fenetre_.OrdreTabulation())
        tour.push_back(fenetre_.Disposition()[i].controle);
    const auto ici = std::find(tour.begin(), tour.end(), f.panneau);
    const size_t n = tour.size();
    size_t i = ici == tour.end() ? 0 : static_cast<size_t>(ici - tour.begin());
    for (size_t pas = 0; pas < n; ++pas) {
        i = arriere ? (i + n - 1) % n : (i + 1) % n;
        if (Accessible(tour[i])) {
            f.panneau = tour[i];
            break;
        }
    }
    f.montre = true;
}

bool Clavier::DeplacerCurseur(int32_t dx, int32_t dy)
{
    FocusClavier& f = c_.controles.Focus;
    f.panneau = nullptr;
    f.montre = true;
    if (DansLePlateau(c_.etat, f.x + dx, f.y + dy)) {
        f.x += dx;
        f.y += dy;
    }
    return true;
}

// The wall at the lower right of (x, y), as the mouse finds it: only where it shows.
bool Clavier::Mur(TypeMur type, int32_t x, int32_t y)
{
    const int32_t xMax = type == TypeMur::Bas ? 14 : 13;
    const int32_t yMax = type == TypeMur::Droit ? 14 : 13;
    if (x < 1 || y < 1 || x > xMax || y > yMax || !c_.controles.Mur(type, x, y).Visible())
        return true;
    const int32_t tag = 100 * x + y;
    AppelMurEnfoncement(c_, type, tag);
    AppelMurRelachement(c_, type, tag);
    switch (type) {
    case TypeMur::Droit: AppelMurDroitClique(c_, tag); break;
    case TypeMur::Bas: AppelMurBasClique(c_, tag); break;
    case TypeMur::BasDroit: AppelMurBasDroitClique(c_, tag); break;
    }
    return true;
}

bool Clavier::PresserPanneau()
{
    const FocusClavier& f = c_.controles.Focus;
    const auto& d = fenetre_.Disposition();
    for (size_t i = 0; i < d.size(); ++i)
        if (d[i].controle == f.panneau) {
            // As a click: pressed, raised, then its command; a panel the mouse cannot click now
            // (disabled, hidden) does nothing.
            if (Accessible(f.panneau)) {
                fenetre_.AppelPanelMyMouseDown(*d[i].controle);
                fenetre_.AppelPanelMyMouseUp(*d[i].controle);
                fenetre_.Executer(d[i].commande);
            }
            return true;
        }
    return false;
}

void Clavier::PresserCase(int32_t x, int32_t y, BoutonSouris bouton)
{
    FocusClavier& f = c_.controles.Focus;
    if (!Accessible(nullptr) || !DansLePlateau(c_.etat, x, y))
        return;
    f.panneau = nullptr;
    f.x = x;
    f.y = y;
    // As the mouse: only a cell that shows can be pressed.
    if (c_.controles.Cases[x][y].Visible())
        AppelCaseMouseDown(c_, 100 * x + y, bouton, bouton == BoutonSouris::Droit ? ssRight : ssLeft);
    Montrer();
}

bool Clavier::Touche(ToucheClavier touche, uint32_t etat)
{
    FocusClavier& f = c_.controles.Focus;
    const Jeu* jeu = JeuDe(c_.etat.TypeJeu);
    const bool shift = etat & ssShift;
    const bool autres = etat & (ssCtrl | ssAlt);
    bool utilisee = false;
    const Direction d = DirectionDe(touche);
    const bool fleche = touche <= ToucheClavier::Bas;

    if (fleche && jeu && jeu->CurseurSurJoueur()) {
        // The maze's own keys, as they have always been: the glutton walks, whatever is held.
        f.panneau = nullptr;
        FormKeyDown(c_, FlecheDe(touche));
        utilisee = true;
    } else if (touche == ToucheClavier::Tabulation) {
        if (!autres) {
            Tabuler(shift);
            utilisee = true;
        }
    } else if (autres || !Accessible(nullptr)) {
        utilisee = false;
    } else if (d.dx != 0 || d.dy != 0) {
        if (!shift) {
            utilisee = DeplacerCurseur(d.dx, d.dy);
        } else {
            f.panneau = nullptr;
            f.montre = true;
            // The wall on that side of the cursor; on a diagonal, the corner there.
            const int32_t x = f.x, y = f.y;
            if (d.dx != 0 && d.dy != 0)
                utilisee = Mur(TypeMur::BasDroit, d.dx > 0 ? x : x - 1, d.dy > 0 ? y : y - 1);
            else if (d.dx != 0)
                utilisee = Mur(TypeMur::Droit, d.dx > 0 ? x : x - 1, y);
            else
                utilisee = Mur(TypeMur::Bas, x, d.dy > 0 ? y : y - 1);
        }
    } else if (f.panneau) {
        if ((touche == ToucheClavier::Espace || touche == ToucheClavier::Entree) && !shift) {
            f.montre = true;
            utilisee = PresserPanneau();
        }
    } else {
        const bool gauche = (touche == ToucheClavier::Espace || touche == ToucheClavier::Entree) && !shift;
        const bool droit = (touche == ToucheClavier::Espace && shift) || (touche == ToucheClavier::Menu && !shift);
        if (gauche || droit) {
            f.montre = true;
            PresserCase(f.x, f.y, gauche ? BoutonSouris::Gauche : BoutonSouris::Droit);
            utilisee = true;
        }
    }
    if (utilisee)
        Montrer();
    return utilisee;
}

void Clavier::SourisSurCase(int32_t tag)
{
    FocusClavier& f = c_.controles.Focus;
    if (DansLePlateau(c_.etat, tag / 100, tag % 100)) {
        f.panneau = nullptr;
        f.x = tag / 100;
        f.y = tag % 100;
    }
    f.montre = false;
    Montrer();
}

void Clavier::SourisSurMur()
{
    c_.controles.Focus.panneau = nullptr;
    c_.controles.Focus.montre = false;
    Montrer();
}

void Clavier::SourisSurPanneau(const Controle& panneau)
{
    c_.controles.Focus.panneau = &panneau;
    c_.controles.Focus.montre = false;
    Montrer();
}

} // namespace cogitelle
