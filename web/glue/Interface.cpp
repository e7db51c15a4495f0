// The web page's side of the core: one context for the page's life, the ports answered by the
// page's dialogs, the options and records kept in the browser's storage, and the controls model
// read as JSON. No rule of a game is here: every call routes to the core or to app/model.
#include "web/glue/Interface.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "session/ChoixTableau.h"
#include "session/Echelles.h"
#include "session/Entrees.h"
#include "session/FenetrePrincipale.h"
#include "session/NouvellePartie.h"
#include "core/Score.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "web/glue/Json.h"
#include "web/glue/StockageWeb.h"

using namespace cogitelle;

// The page's dialogs. Each returns once the player has answered; the model is handed over first
// so the page shows the board as the rule left it under the box.
EM_ASYNC_JS(int, cg_js_boite, (int sorte, const char* titre, const char* texte, const char* oui, const char* non,
                                const char* modele), {
    return await Module.cgBoite(sorte, UTF8ToString(titre), UTF8ToString(texte), UTF8ToString(modele),
        UTF8ToString(oui), UTF8ToString(non));
});
EM_ASYNC_JS(int, cg_js_couleur, (int initiale, const char* modele), {
    return await Module.cgCouleur(initiale, UTF8ToString(modele));
});
EM_JS(void, cg_js_aide, (const char* fichier), { Module.cgAide(UTF8ToString(fichier)); });
EM_JS(int, cg_js_tient, (int taille), { return Module.cgTient(taille) ? 1 : 0; });
EM_JS(int, cg_js_millisecondes, (), {
    const d = new Date();
    return ((d.getUTCHours() * 60 + d.getUTCMinutes()) * 60 + d.getUTCSeconds()) * 1000 + d.getUTCMilliseconds();
});

namespace {

enum Sorte { sCase, sCadre, sMurDroit, sMurBas, sMurBasDroit, sPlateau, sPanneau };

// Menu items and clickable panels.
enum Commande {
    cmdQuitter = 10, cmdDetailScores, cmdRecreerScores, cmdCouleurFond, cmdCouleurTableau, cmdSommaire,
    cmdAPropos, cmdChangerTableau = 20, cmdTableauAleatoire, cmdTableauPrecedent, cmdTableauIdem,
    cmdTableauSuivant, cmdBut, cmdRegles, cmdScores, cmdFermer = 30,
};

struct Application;
std::string ModeleJson();

class PortsWeb : public Ports {
public:
    void Message(const std::string& texte) override { Boite(0, titre, texte); }
    bool Question(const std::string& t, const std::string& texte) override { return Boite(1, t, texte) != 0; }
    bool QuestionOuiNon(const std::string& t, const std::string& texte, const std::string& oui,
        const std::string& non) override
    {
        return Boite(1, t, texte, oui, non) != 0;
    }
    void Erreur(const std::string& texte) override
    {
        // The options and the records share the browser's storage: when it refuses both, the
        // player hears of it once.
        if (RefusDuNavigateur(texte)) {
            if (refusNavigateurSignale)
                return;
            refusNavigateurSignale = true;
        }
        Boite(2, titre, texte);
    }
    int MillisecondesDuJour() override { return cg_js_millisecondes(); }
    std::string titre = "COGITELLE I";

private:
    int Boite(int sorte, const std::string& t, const std::string& texte, const std::string& oui = "Oui",
        const std::string& non = "Non")
    {
        const std::string modele = ModeleJson();
        return cg_js_boite(sorte, t.c_str(), texte.c_str(), oui.c_str(), non.c_str(), modele.c_str());
    }
};

class ActionsWeb : public ActionsFenetres {
public:
    std::vector<std::string> demandes;
    void MontrerChoixTableau() override { demandes.push_back("choix"); }
    void MontrerMeilleursScores() override { demandes.push_back("scores"); }
    void FermerEcranDemarrage() override { demandes.push_back("fermer"); }
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override
    {
        const std::string modele = ModeleJson();
        const int r = cg_js_couleur(static_cast<int>(initiale), modele.c_str());
        if (r < 0)
            return false;
        choisie = static_cast<Couleur>(r);
        return true;
    }
    void MontrerAide(const std::string& fichier) override { cg_js_aide(fichier.c_str()); }
};

struct Application {
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsWeb ports;
    MagasinWeb magasin;
    FichiersWeb fichiers;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, "scoresI"};
    ActionsWeb actions;
    FenetrePrincipale fenetre{ctx, actions};
    ChoixTableau choix{ctx};
    bool partieLancee = false;

    // Every control the page draws, in painting order, and what the page last read of each.
    std::vector<Controle*> liste;
    std::vector<int> sortes, parents, commandes;
    std::vector<const char*> noms;
    std::vector<bool> policesTimes;
    std::vector<Controle> vus;
    bool toutEnvoye = false;

    Application() { ctx.Sauvegardes.fichiers = &fichiers; }
};

Application* app = nullptr;
std::string tampon;   // the text returned by the last call
SaisieNumero saisieNumero;   // the digits typed on the chooser's scroll bar

const char* Rendre(std::string s)
{
    tampon = std::move(s);
    return tampon.c_str();
}

bool MemeControle(const Controle& a, const Controle& b)
{
    return a.rect() == b.rect() && a.Visible() == b.Visible() && a.Enabled() == b.Enabled() &&
        a.Caption() == b.Caption() && a.couleur() == b.couleur() && a.CouleurPolice() == b.CouleurPolice() &&
        a.TaillePolice() == b.TaillePolice() && a.Gras() == b.Gras() &&
        a.BiseauInterieur() == b.BiseauInterieur() && a.BiseauExterieur() == b.BiseauExterieur() &&
        a.LargeurBiseau() == b.LargeurBiseau() && a.curseur() == b.curseur() && a.Hint() == b.Hint() &&
        a.ShowHint() == b.ShowHint() && a.CouleurStylo() == b.CouleurStylo() &&
        a.LargeurStylo() == b.LargeurStylo();
}

void EcrireControle(Json& j, int i, const Controle& c)
{
    const Rect& r = c.rect();
    j.Objet();
    j.Cle("i").Entier(i);
    j.Cle("r").Tableau().Entier(r.left).Entier(r.top).Entier(r.width).Entier(r.height).Fin();
    j.Cle("v").Entier(c.Visible());
    j.Cle("e").Entier(c.Enabled());
    j.Cle("t").Texte(c.Caption());
    j.Cle("k").Entier(static_cast<int64_t>(c.couleur()));
    j.Cle("kp").Entier(static_cast<int64_t>(c.CouleurPolice()));
    j.Cle("p").Entier(c.TaillePolice());
    j.Cle("g").Entier(c.Gras());
    j.Cle("bi").Entier(static_cast<int>(c.BiseauInterieur()));
    j.Cle("be").Entier(static_cast<int>(c.BiseauExterieur()));
    j.Cle("lb").Entier(c.LargeurBiseau());
    j.Cle("cu").Entier(static_cast<int>(c.curseur()));
    j.Cle("h").Texte(c.ShowHint() ? c.Hint() : std::string());
    j.Cle("ks").Entier(static_cast<int64_t>(c.CouleurStylo()));
    j.Cle("ls").Entier(c.LargeurStylo());
    j.Fin();
}

void EcrireMinuterie(Json& j, const Minuterie& m)
{
    j.Objet().Cle("id").Entier(m.id).Cle("actif").Entier(m.Enabled).Cle("intervalle").Entier(m.Interval);
    j.Cle("demarrages").Entier(m.Demarrages).Fin();
}

std::string ModeleJson()
{
    Application& a = *app;
    Controles& k = *a.controles;
    Json j;
    j.Objet();
    j.Cle("fenetre").Objet().Cle("titre").Texte(a.fenetre.Caption).Cle("couleur").Entier(k.CouleurFenetre);
    j.Cle("menus").Tableau();
    for (int t = 1; t <= NbTypesJeu; ++t)
        j.Texte(a.fenetre.MenuJeux[t].empty() ? a.etat->TitresJeux[t] : a.fenetre.MenuJeux[t]);
    j.Fin().Cle("coches").Tableau();
    for (int t = 1; t <= NbTypesJeu; ++t)
        j.Entier(k.MenuCoche[t]);
    j.Fin().Fin();
    j.Cle("minuteries").Tableau();
    EcrireMinuterie(j, k.timerScore);
    EcrireMinuterie(j, k.timerRefreshMemoire);
    EcrireMinuterie(j, k.timerLab);
    j.Fin();
    j.Cle("controles").Tableau();
    for (size_t i = 0; i < a.liste.size(); ++i) {
        const Controle& c = *a.liste[i];
        if (a.toutEnvoye && MemeControle(c, a.vus[i]))
            continue;
        a.vus[i] = c;
        EcrireControle(j, static_cast<int>(i), c);
    }
    j.Fin();
    const bool tout = k.ToutSale() || !a.toutEnvoye;
    a.toutEnvoye = true;
    const std::vector<Rect> zones = k.PrendreZonesSales();
    j.Cle("tout").Entier(tout);
    j.Cle("zones").Tableau();
    if (!tout)
        for (const Rect& z : zones)
            j.Tableau().Entier(z.left).Entier(z.top).Entier(z.width).Entier(z.height).Fin();
    j.Fin();
    j.Cle("actions").Tableau();
    for (const std::string& d : a.actions.demandes)
        j.Texte(d);
    a.actions.demandes.clear();
    j.Fin();
    j.Fin();
    return j.Texte();
}

void Ajouter(Application& a, Controle& c, int sorte, int parent, const char* nom, bool policeTimes, int commande)
{
    a.liste.push_back(&c);
    a.sortes.push_back(sorte);
    a.parents.push_back(parent);
    a.noms.push_back(nom);
    a.policesTimes.push_back(policeTimes);
    a.commandes.push_back(commande);
}

void ConstruireListe(Application& a)
{
    Controles& k = *a.controles;
    // The board panel first, then its pool in creation order, then the side panels.
    Ajouter(a, k.panelCentral, sPlateau, -1, "panelCentral", true, 0);
    auto sorteDe = [&k](const Controle* c) {
        auto dans = [c](const auto& grille) {
            const auto* debut = &grille[0][0];
            const auto* fin = debut + sizeof grille / sizeof grille[0][0];
            return c >= debut && c < fin;
        };
        if (dans(k.Cases)) return sCase;
        if (dans(k.CadresInterieurs) || dans(k.CadresCases)) return sCadre;
        if (dans(k.MursDroits)) return sMurDroit;
        if (dans(k.MursBas)) return sMurBas;
        return sMurBasDroit;
    };
    for (Controle* c : k.OrdreCreation())
        Ajouter(a, *c, sorteDe(c), 0, "", true, 0);
    const std::pair<const Controle*, int> clics[] = {
        {&k.panelChangerTableau, cmdChangerTableau}, {&k.panelTableauAleatoire, cmdTableauAleatoire},
        {&k.panelTableauPrecedent, cmdTableauPrecedent}, {&k.panelTableauIdem, cmdTableauIdem},
        {&k.panelTableauSuivant, cmdTableauSuivant}, {&k.panelDetailHighScores, cmdDetailScores},
        {&k.panelBut, cmdBut}, {&k.panelReglesDuJeu, cmdRegles}, {&k.panelCalculScores, cmdScores},
        {&k.panelsJeux[1], 1}, {&k.panelsJeux[2], 2}, {&k.panelsJeux[3], 3}, {&k.panelsJeux[4], 4},
        {&k.panelsJeux[5], 5},
    };
    for (const PlaceControle& p : a.fenetre.Disposition()) {
        int parent = -1;
        for (size_t i = 0; i < a.liste.size(); ++i)
            if (a.liste[i] == p.parent)
                parent = static_cast<int>(i);
        int commande = 0;
        for (const auto& [c, n] : clics)
            if (c == p.controle)
                commande = n;
        Ajouter(a, *p.controle, sPanneau, parent, p.nom, p.policeTimes, p.cliquable() ? commande : -1);
    }
    a.vus.resize(a.liste.size());
}

std::string DescriptionJson()
{
    Application& a = *app;
    Json j;
    j.Objet().Cle("controles").Tableau();
    for (size_t i = 0; i < a.liste.size(); ++i) {
        j.Objet().Cle("sorte").Entier(a.sortes[i]).Cle("parent").Entier(a.parents[i]);
        j.Cle("nom").Texte(a.noms[i]).Cle("tag").Entier(a.liste[i]->Tag());
        j.Cle("times").Entier(a.policesTimes[i]).Cle("commande").Entier(a.commandes[i]).Fin();
    }
    j.Fin().Cle("facteurX").Reel(a.etat->FacteurEcranX).Cle("facteurY").Reel(a.etat->FacteurEcranY);
    j.Cle("titre").Texte(a.etat->Titre).Fin();
    return j.Texte();
}

std::string ChoixJson()
{
    const ChoixTableau& m = app->choix;
    Json j;
    j.Objet().Cle("titreGroupe").Texte(m.TitreGroupe).Cle("radios").Tableau();
    for (int t = 1; t <= NbTypesJeu; ++t)
        j.Texte(m.TitresRadios[t].empty() ? app->etat->TitresJeux[t] : m.TitresRadios[t]);
    j.Fin().Cle("coche").Entier(m.RadioCoche).Cle("numero").Texte(m.CaptionNumeroTableau);
    j.Cle("position").Entier(m.PositionScroll).Cle("min").Entier(m.ScrollMin).Cle("max").Entier(m.ScrollMax);
    j.Cle("nomRecord").Texte(m.NomRecord).Cle("scoreRecord").Texte(m.ScoreRecord).Cle("nom").Texte(m.Nom);
    j.Cle("facteur").Reel(app->etat->FacteurEcranX).Fin();
    return j.Texte();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* cg_demarrer(int32_t largeur, int32_t hauteur, double pixelsParPouce)
{
    if (!app) {
        app = new Application();
        CreerEcranDemarrage(app->ctx);
        app->ports.titre = app->etat->Titre;
        ConstruireListe(*app);
        ChargerScoresDuNavigateur(app->fichiers, app->ctx.CheminScores);
        app->fenetre.FormCreate(largeur, hauteur, pixelsParPouce);
    }
    return Rendre(DescriptionJson());
}

EMSCRIPTEN_KEEPALIVE double cg_facteur_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce)
{
    return CalculerFacteursEcran(largeur, hauteur, pixelsParPouce).X;
}

EMSCRIPTEN_KEEPALIVE const char* cg_description() { return Rendre(DescriptionJson()); }
EMSCRIPTEN_KEEPALIVE const char* cg_modele() { return Rendre(ModeleJson()); }

EMSCRIPTEN_KEEPALIVE void cg_langue(int32_t langue) { ChoisirLangue(app->ctx, langue); }
EMSCRIPTEN_KEEPALIVE void cg_activer() { app->fenetre.FormActivate(); }

EMSCRIPTEN_KEEPALIVE void cg_commande(int32_t commande)
{
    FenetrePrincipale& f = app->fenetre;
    if (commande >= 1 && commande <= NbTypesJeu) {
        f.ChoisirJeu(commande);
        return;
    }
    switch (commande) {
    case cmdQuitter: f.Quitter1Click(); break;
    case cmdDetailScores: f.panelDetailHighScoresClick(); break;
    case cmdRecreerScores: f.menuRecreerHighScoresClick(); break;
    case cmdCouleurFond: f.menuCouleurFondEcranClick(); break;
    case cmdCouleurTableau: f.menuCouleurTableauDeJeuClick(); break;
    case cmdSommaire: f.menuSommaireClick(); break;
    case cmdAPropos: f.menuAProposClick(); break;
    case cmdChangerTableau: f.panelChangerTableauClick(); break;
    case cmdTableauAleatoire: f.panelTableauAleatoireClick(); break;
    case cmdTableauPrecedent: f.panelTableauPrecedentClick(); break;
    case cmdTableauIdem: f.panelTableauIdemClick(); break;
    case cmdTableauSuivant: f.panelTableauSuivantClick(); break;
    case cmdBut: f.panelButClick(); break;
    case cmdRegles: f.panelReglesDuJeuClick(); break;
    case cmdScores: f.panelCalculScoresClick(); break;
    case cmdFermer: f.FormClose(); break;
    default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void cg_panneau(int32_t indice, int32_t enfonce)
{
    if (indice < 0 || static_cast<size_t>(indice) >= app->liste.size() || app->sortes[indice] != sPanneau ||
        app->commandes[indice] < 0)
        return;
    Controle& c = *app->liste[indice];
    if (enfonce)
        app->fenetre.AppelPanelMyMouseDown(c);
    else
        app->fenetre.AppelPanelMyMouseUp(c);
}

EMSCRIPTEN_KEEPALIVE void cg_case(int32_t tag, int32_t bouton, uint32_t etat)
{
    if (bouton < 0 || bouton > 2)
        return;
    AppelCaseMouseDown(app->ctx, tag, static_cast<BoutonSouris>(bouton), etat);
}

EMSCRIPTEN_KEEPALIVE void cg_mur(int32_t type, int32_t tag, int32_t action)
{
    if (type < 0 || type > 2)
        return;
    const auto t = static_cast<TypeMur>(type);
    Contexte& c = app->ctx;
    switch (action) {
    case 0: AppelMurEnfoncement(c, t, tag); break;
    case 1: AppelMurRelachement(c, t, tag); break;
    case 2:
        if (t == TypeMur::Droit)
            AppelMurDroitClique(c, tag);
        else if (t == TypeMur::Bas)
            AppelMurBasClique(c, tag);
        else
            AppelMurBasDroitClique(c, tag);
        break;
    default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void cg_fleche(int32_t fleche)
{
    if (fleche >= 0 && fleche <= 3)
        FormKeyDown(app->ctx, static_cast<Fleche>(fleche));
}

EMSCRIPTEN_KEEPALIVE void cg_caractere(int32_t caractere)
{
    if (caractere > 0 && caractere < 128)
        FormKeyPress(app->ctx, static_cast<char>(caractere));
}

EMSCRIPTEN_KEEPALIVE void cg_tic(int32_t id)
{
    Contexte& c = app->ctx;
    Controles& k = c.controles;
    // A tick that was already queued when its timer stopped does nothing, as with a QTimer.
    switch (id) {
    case Minuterie::Score: if (k.timerScore.Enabled) timerScoreTimer(c); break;
    case Minuterie::RefreshMemoire: if (k.timerRefreshMemoire.Enabled) timerRefreshMemoireTimer(c); break;
    case Minuterie::Lab: if (k.timerLab.Enabled) timerLabTimer(c); break;
    default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void cg_choix_activer()
{
    app->choix.FormActivate();
}

EMSCRIPTEN_KEEPALIVE const char* cg_choix() { return Rendre(ChoixJson()); }

EMSCRIPTEN_KEEPALIVE void cg_choix_type(int32_t type)
{
    if (type >= 1 && type <= NbTypesJeu)
        app->choix.rbTypeJeuClick(type);
}

EMSCRIPTEN_KEEPALIVE void cg_choix_numero(int32_t numero)
{
    app->choix.scrollBarChoixTableauChange(std::clamp(numero, app->choix.ScrollMin, app->choix.ScrollMax));
}

EMSCRIPTEN_KEEPALIVE void cg_choix_hasard() { app->choix.panelAleatoireClick(); }
EMSCRIPTEN_KEEPALIVE void cg_choix_effacer_nom() { app->choix.editYourNameDblClick(); }

EMSCRIPTEN_KEEPALIVE const char* cg_choix_saisie(const char* texte)
{
    app->choix.Nom = NomApresSaisie(app->choix.Nom, texte ? texte : "");
    return Rendre(app->choix.Nom);
}

EMSCRIPTEN_KEEPALIVE int32_t cg_choix_valider(const char* nom)
{
    app->choix.Nom = nom ? nom : "";
    if (!app->choix.ValiderChoix())
        return 0;
    app->partieLancee = true;
    NouvellePartie(app->ctx);
    return 1;
}

EMSCRIPTEN_KEEPALIVE int32_t cg_choix_annuler() { return app->partieLancee ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* cg_scores_activer()
{
    GameState& g = *app->etat;
    g.TypeJeuDialogue = g.TypeJeuChoisi;
    g.NumeroTableauDialogue = g.NumeroTableauChoisi;
    return cg_scores(g.TypeJeuDialogue, g.NumeroTableauDialogue);
}

EMSCRIPTEN_KEEPALIVE const char* cg_scores(int32_t type, int32_t numero)
{
    const GameState& g = *app->etat;
    // Only valid values reach the table, whatever the page asks.
    type = std::clamp(type, 1, NbTypesJeu);
    numero = std::clamp(numero, 1, std::min(g.NumeroTableauMax, NombreTableaux));
    Json j;
    j.Objet().Cle("type").Entier(type).Cle("numero").Entier(numero).Cle("max").Entier(g.NumeroTableauMax);
    j.Cle("titreJeu").Texte(g.TitresJeux[type]).Cle("titreNumero").Texte("Cogitelle n° " + std::to_string(numero));
    j.Cle("facteur").Reel(g.FacteurEcranX);
    j.Cle("rangs").Tableau();
    for (int r = 1; r <= PlacesParTableau; ++r) {
        const EnregistrementScore& e = g.MeilleursScores(type, numero, r);
        j.Tableau().Entier(r).Texte(NomEnregistrement(e)).Entier(e.ValeurScore).Fin();
    }
    j.Fin().Fin();
    return Rendre(j.Texte());
}

EMSCRIPTEN_KEEPALIVE const uint8_t* cg_exporter()
{
    tampon = OctetsTable(app->etat->MeilleursScores);
    return reinterpret_cast<const uint8_t*>(tampon.data());
}

EMSCRIPTEN_KEEPALIVE int32_t cg_taille_export() { return static_cast<int32_t>(tampon.size()); }

EMSCRIPTEN_KEEPALIVE int32_t cg_importer(const uint8_t* octets, int32_t lus, double tailleFichier)
{
    const std::string donnees(reinterpret_cast<const char*>(octets), lus > 0 ? static_cast<size_t>(lus) : 0);
    std::string raison;
    auto table = std::make_unique<TableMeilleursScores>();
    if (tailleFichier != static_cast<double>(donnees.size()))
        raison = "un fichier des meilleurs scores a " + std::to_string(TailleFichierScores) + " octets, celui-ci en a " +
            std::to_string(static_cast<uint64_t>(tailleFichier));
    if (!raison.empty() || !LireFichierImporte(donnees, *table, raison)) {
        app->ports.Erreur("Ce fichier n'a pas été importé : " + raison +
            ". Les meilleurs scores sont restés tels qu'ils étaient.");
        return 0;
    }
    // The imported table replaces the whole one, as "Recréer les meilleurs scores" does.
    app->etat->MeilleursScores = *table;
    app->ctx.Sauvegardes.tableEntiereAEcrire = true;
    EcrireMeilleursScores(app->ctx);
    if (app->controles->superPanelDroite.Visible())
        AfficherMeilleursScores(app->ctx);
    app->ports.Message("Les meilleurs scores du fichier ont été importés.");
    return 1;
}

EMSCRIPTEN_KEEPALIVE double cg_facteur_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurLibre,
    int32_t hauteurLibre, int32_t hauteurTitre)
{
    const GameState& g = *app->etat;
    return FacteurDialogue(g.FacteurEcranX, g.FacteurEcranY, largeur, hauteur, largeurLibre, hauteurLibre, hauteurTitre);
}

EMSCRIPTEN_KEEPALIVE int32_t cg_defilement(int32_t touche, int32_t position, int32_t min, int32_t max, int32_t pasGrand)
{
    if (touche < 0 || touche > static_cast<int32_t>(ToucheDefilement::Fin))
        return std::clamp(position, min, std::max(min, max));
    return PositionApresTouche(static_cast<ToucheDefilement>(touche), position, min, max, pasGrand);
}

EMSCRIPTEN_KEEPALIVE int32_t cg_saisie_chiffre(int32_t chiffre, double instantMs, int32_t max)
{
    if (chiffre < 0 || chiffre > 9)
        return 0;
    return saisieNumero.Taper(chiffre, static_cast<int64_t>(instantMs), max);
}

EMSCRIPTEN_KEEPALIVE void cg_saisie_oublier() { saisieNumero.Oublier(); }

EMSCRIPTEN_KEEPALIVE int32_t cg_seconde_pression_agit(int32_t cible)
{
    if (cible < 0 || cible > static_cast<int32_t>(CibleSouris::Panneau))
        return 0;
    return SecondePressionAgit(static_cast<CibleSouris>(cible)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int32_t cg_taille_qui_tient(int32_t taille)
{
    return TailleQuiTient(taille, [](int32_t t) { return cg_js_tient(t) != 0; });
}

EMSCRIPTEN_KEEPALIVE const char* cg_test_etat()
{
    const GameState& g = *app->etat;
    Json j;
    j.Objet().Cle("type").Entier(g.TypeJeu).Cle("numero").Entier(g.NumeroTableau).Cle("n").Entier(g.NbColonnes);
    j.Cle("score").Entier(g.Score).Cle("termine").Entier(g.PartieTerminee).Cle("pos").Tableau().Entier(g.PosX);
    j.Entier(g.PosY).Fin().Cle("trou").Tableau().Entier(g.TrouPrincipalX).Entier(g.TrouPrincipalY).Fin();
    j.Cle("groupe").Entier(g.TailleGroupe).Cle("chemin").Tableau();
    for (int i = 1; i <= g.LongueurChemin; ++i)
        j.Tableau().Entier(g.Chemin[i].x).Entier(g.Chemin[i].y).Fin();
    j.Fin().Cle("valeurs").Tableau();
    for (int y = 0; y <= g.NbLignes + 1 && y < 16; ++y) {
        j.Tableau();
        for (int x = 0; x <= g.NbColonnes + 1 && x < 16; ++x)
            j.Entier(g.Valeur[x][y]);
        j.Fin();
    }
    j.Fin().Cle("etats").Tableau();
    for (int y = 1; y <= g.NbLignes && y < 15; ++y) {
        j.Tableau();
        for (int x = 1; x <= g.NbColonnes && x < 15; ++x)
            j.Entier(g.Etat[x][y]);
        j.Fin();
    }
    j.Fin().Fin();
    return Rendre(j.Texte());
}

} // extern "C"
