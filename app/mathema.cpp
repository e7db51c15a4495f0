#include "app/mathema.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "app/Aide.h"
#include "app/PanneauDialogue.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/PortsQt.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "core/Score.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "app/fHighScores.h"

namespace cogitelle {

TfrmMath::TfrmMath(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran)
    : QMainWindow(nullptr), c_(c), ports_(ports), modele_(c, *this)
{
    setObjectName(QStringLiteral("frmMath"));
    modele_.FormCreate(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    setWindowTitle(QString::fromStdString(modele_.Caption));

    fond_ = new QWidget(this);
    fond_->setObjectName(QStringLiteral("fond"));
    fond_->setAutoFillBackground(true);
    setCentralWidget(fond_);

    CreerMenu();
    plateau_ = new PlateauWidget(c_, fond_);
    connect(plateau_, &PlateauWidget::modeleModifie, this, &TfrmMath::RafraichirVue);
    CreerPanneaux();

    const GameState& g = c_.etat;
    resize(Arrondi(800 * g.FacteurEcranX), Arrondi(534 * g.FacteurEcranY) + menuBar()->sizeHint().height());

    timerDebut_.setSingleShot(true);
    timerDebut_.setInterval(1);
    connect(&timerDebut_, &QTimer::timeout, this, &TfrmMath::timerDebutTimer);

    ports_.SetParent(this);
    ports_.Tic = [this](Minuterie::Id id) { Tic(id); };
    ports_.AvantBoite = [this] { RafraichirVue(); };
    // Keyboard preview: the window sees the keys whatever control has the focus.
    qApp->installEventFilter(this);
    RafraichirVue();
}

TfrmMath::~TfrmMath()
{
    qApp->removeEventFilter(this);
    ports_.Tic = nullptr;
    ports_.AvantBoite = nullptr;
    ports_.SetParent(nullptr);
}

void TfrmMath::SetFenetres(TfrmSplash* splash, TfrmChoixTableau* choix, TfrmHighScores* scores)
{
    splash_ = splash;
    choix_ = choix;
    scores_ = scores;
}

QAction* TfrmMath::Action(QMenu* menu, const char* nom, const QString& texte, void (FenetrePrincipale::*handler)())
{
    QAction* a = menu->addAction(texte);
    a->setObjectName(QString::fromLatin1(nom));
    connect(a, &QAction::triggered, this, [this, handler] { Executer([this, handler] { (modele_.*handler)(); }); });
    return a;
}

void TfrmMath::CreerMenu()
{
    QMenuBar* barre = menuBar();
    // Alt and the underlined letter open a menu: the whole game is played from the keyboard.
    QMenu* jeux = barre->addMenu(QStringLiteral("&Cogitelle"));
    const char* noms[] = {"", "menuLabyrinthe", "menuCarresMagiques", "menuDifferences", "menuSerpentin",
        "menuMemoire"};
    for (TTypeJeu t = 1; t <= NbTypesJeu; ++t) {
        QAction* a = jeux->addAction(QString::fromStdString(c_.etat.TitresJeux[t]));
        a->setObjectName(QString::fromLatin1(noms[t]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, t] { Executer([this, t] { modele_.ChoisirJeu(t); }); });
        menuJeux_[t] = a;
    }
    jeux->addSeparator();
    Action(jeux, "Quitter1", QStringLiteral("Quitter"), &FenetrePrincipale::Quitter1Click)
        ->setShortcut(QKeySequence(Qt::Key_F9));

    QMenu* scores = barre->addMenu(QStringLiteral("&Meilleurs scores"));
    Action(scores, "menuDetailHighScores", QStringLiteral("Détail des meilleurs scores"),
        &FenetrePrincipale::panelDetailHighScoresClick);
    Action(scores, "menuRecreerHighScores", QStringLiteral("Recréer les meilleurs scores"),
        &FenetrePrincipale::menuRecreerHighScoresClick);

    QMenu* options = barre->addMenu(QStringLiteral("&Options"));
    Action(options, "menuCouleurFondEcran", QStringLiteral("Couleur du fond d'écran"),
        &FenetrePrincipale::menuCouleurFondEcranClick);
    Action(options, "menuCouleurTableauDeJeu", QStringLiteral("Couleur du tableau de jeu"),
        &FenetrePrincipale::menuCouleurTableauDeJeuClick);

    QMenu* aide = barre->addMenu(QStringLiteral("&Aide"));
    Action(aide, "menuSommaire", QStringLiteral("Sommaire"), &FenetrePrincipale::menuSommaireClick)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    aide->addSeparator();
    Action(aide, "menuAPropos", QStringLiteral("A propos"), &FenetrePrincipale::menuAProposClick);
}

void TfrmMath::CreerPanneaux()
{
    Controles& k = c_.controles;
    using Clic = void (FenetrePrincipale::*)();
    const std::map<const Controle*, Clic> clics = {
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
    for (const PlaceControle& p : modele_.Disposition()) {
        QWidget* parent = p.parent ? static_cast<QWidget*>(panneaux_.at(p.parent)) : fond_;
        auto* w = new PanneauWidget(*p.controle, p.policeTimes, parent);
        w->setObjectName(QString::fromLatin1(p.nom));
        panneaux_[p.controle] = w;
        if (!p.cliquable())
            continue;
        w->SetCliquable(true);
        Controle* ctl = p.controle;
        connect(w, &PanneauWidget::enfonce, this, [this, ctl] { Executer([this, ctl] { modele_.AppelPanelMyMouseDown(*ctl); }); });
        connect(w, &PanneauWidget::relache, this, [this, ctl] { Executer([this, ctl] { modele_.AppelPanelMyMouseUp(*ctl); }); });
        if (auto it = clics.find(ctl); it != clics.end()) {
            const Clic clic = it->second;
            connect(w, &PanneauWidget::clique, this, [this, clic] { Executer([this, clic] { (modele_.*clic)(); }); });
        } else {
            for (TTypeJeu t = 1; t <= NbTypesJeu; ++t)
                if (ctl == &k.panelsJeux[t])
                    connect(w, &PanneauWidget::clique, this,
                        [this, t] { Executer([this, t] { modele_.ChoisirJeu(t); }); });
        }
    }
}

PanneauWidget* TfrmMath::Panneau(const Controle& c) const
{
    const auto it = panneaux_.find(&c);
    return it == panneaux_.end() ? nullptr : it->second;
}

void TfrmMath::Executer(const std::function<void()>& regle)
{
    regle();
    RafraichirVue();
}

void TfrmMath::RafraichirVue()
{
    const Controles& k = c_.controles;
    const QString titre = QString::fromStdString(modele_.Caption);
    if (windowTitle() != titre)
        setWindowTitle(titre);
    const QColor fond = VersQColor(k.CouleurFenetre);
    if (fond_->palette().color(QPalette::Window) != fond) {
        QPalette pal = fond_->palette();
        pal.setColor(QPalette::Window, fond);
        fond_->setPalette(pal);
    }
    plateau_->Synchroniser();
    if (k.Modifications() != modificationsVues_) {
        modificationsVues_ = k.Modifications();
        for (const PlaceControle& p : modele_.Disposition())
            panneaux_.at(p.controle)->Synchroniser();
    }
    for (TTypeJeu t = 1; t <= NbTypesJeu; ++t) {
        QAction* a = menuJeux_[t];
        if (a->isChecked() != k.MenuCoche[t])
            a->setChecked(k.MenuCoche[t]);
        if (!modele_.MenuJeux[t].empty() && a->text().toStdString() != modele_.MenuJeux[t])
            a->setText(QString::fromStdString(modele_.MenuJeux[t]));
    }
}

void TfrmMath::PanelStartClick(int32_t langue)
{
    ChoisirLangue(c_, langue);
    if (splash_)
        splash_->hide();
    timerDebut_.start();
    // Without a window manager a maximised window keeps its size: fill the screen ourselves.
    if (QScreen* ecran = screen())
        setGeometry(ecran->availableGeometry());
    showMaximized();
    RafraichirVue();
}

void TfrmMath::timerDebutTimer()
{
    timerDebut_.stop();
    // The first game always starts from the chooser.
    setEnabled(false);
    MontrerChoixTableau();
}

void TfrmMath::DemarrerPartie()
{
    Executer([this] { NouvellePartie(c_); });
}

void TfrmMath::Tic(Minuterie::Id id)
{
    Controles& k = c_.controles;
    switch (id) {
    case Minuterie::Score:
        if (k.timerScore.Enabled)
            Executer([this] { timerScoreTimer(c_); });
        break;
    case Minuterie::RefreshMemoire:
        if (k.timerRefreshMemoire.Enabled)
            Executer([this] { timerRefreshMemoireTimer(c_); });
        break;
    case Minuterie::Lab:
        if (k.timerLab.Enabled)
            Executer([this] { timerLabTimer(c_); });
        break;
    }
}

void TfrmMath::closeEvent(QCloseEvent* e)
{
    Executer([this] { modele_.FormClose(); });
    e->accept();
}

void TfrmMath::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Executer([this] { modele_.FormActivate(); });
}

void TfrmMath::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Some platforms show a window without activating it.
    Executer([this] { modele_.FormActivate(); });
}

bool TfrmMath::eventFilter(QObject* objet, QEvent* e)
{
    // Every key typed in this window reaches its window object first, whichever control has the
    // focus; keys typed in the other windows never do.
    if (e->type() == QEvent::KeyPress && objet == windowHandle() && isEnabled()) {
        const auto* touche = static_cast<QKeyEvent*>(e);
        switch (touche->key()) {
        case Qt::Key_Left: Executer([this] { FormKeyDown(c_, Fleche::Gauche); }); break;
        case Qt::Key_Right: Executer([this] { FormKeyDown(c_, Fleche::Droite); }); break;
        case Qt::Key_Up: Executer([this] { FormKeyDown(c_, Fleche::Haut); }); break;
        case Qt::Key_Down: Executer([this] { FormKeyDown(c_, Fleche::Bas); }); break;
        default: {
            const QString texte = touche->text();
            if (texte.size() == 1 && texte[0].unicode() < 128) {
                const char caractere = char(texte[0].unicode());
                Executer([this, caractere] { FormKeyPress(c_, caractere); });
            }
            break;
        }
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

void TfrmMath::Centrer(QWidget* fenetre)
{
    if (!fenetre->testAttribute(Qt::WA_Resized))
        fenetre->adjustSize();
    CentrerSurEcran(fenetre, this);
}

void TfrmMath::MontrerChoixTableau()
{
    if (!choix_)
        return;
    Centrer(choix_);
    // Opened from here it always shows the game chosen here, even when it was already open.
    choix_->Ouvrir();
}

void TfrmMath::MontrerMeilleursScores()
{
    if (!scores_)
        return;
    Centrer(scores_);
    scores_->show();
    scores_->raise();
    scores_->activateWindow();
}

void TfrmMath::FermerEcranDemarrage()
{
    if (splash_)
        splash_->close();
    else
        QCoreApplication::quit();
}

bool TfrmMath::ChoisirCouleur(Couleur initiale, Couleur& choisie)
{
    const QColor couleur = QColorDialog::getColor(VersQColor(initiale), this, QStringLiteral("Couleur"),
        QColorDialog::DontUseNativeDialog);
    if (!couleur.isValid())
        return false;
    choisie = DepuisQColor(couleur);
    return true;
}

void TfrmMath::MontrerAide(const std::string& fichier)
{
    cogitelle::MontrerAide(this, QString::fromStdString(fichier));
}

} // namespace cogitelle
