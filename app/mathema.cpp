#include "app/mathema.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <optional>

#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/PortsQt.h"

namespace cogitelle {

namespace {

// The keys of the main window's keyboard rules (session/Clavier.h); none for any other key.
std::optional<ToucheClavier> ToucheClavierDe(int cle)
{
    switch (cle) {
    case Qt::Key_Left: return ToucheClavier::Gauche;
    case Qt::Key_Right: return ToucheClavier::Droite;
    case Qt::Key_Up: return ToucheClavier::Haut;
    case Qt::Key_Down: return ToucheClavier::Bas;
    case Qt::Key_Home: return ToucheClavier::HautGauche;
    case Qt::Key_PageUp: return ToucheClavier::HautDroite;
    case Qt::Key_End: return ToucheClavier::BasGauche;
    case Qt::Key_PageDown: return ToucheClavier::BasDroite;
    case Qt::Key_Space: return ToucheClavier::Espace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ToucheClavier::Entree;
    case Qt::Key_Menu: return ToucheClavier::Menu;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return ToucheClavier::Tabulation;
    default: return std::nullopt;
    }
}

uint32_t EtatTouches(const QKeyEvent* e)
{
    uint32_t etat = 0;
    const Qt::KeyboardModifiers m = e->modifiers();
    // Shift+Tab comes as Backtab, with or without Shift said.
    if ((m & Qt::ShiftModifier) || e->key() == Qt::Key_Backtab) etat |= ssShift;
    if (m & Qt::ControlModifier) etat |= ssCtrl;
    if (m & Qt::AltModifier) etat |= ssAlt;
    return etat;
}

} // namespace

TfrmMath::TfrmMath(Session& session, PortsQt& ports, const MetriquesEcran& ecran)
    : QMainWindow(nullptr), session_(session), ports_(ports)
{
    setObjectName(QStringLiteral("frmMath"));
    session_.CreerFenetrePrincipale(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    setWindowTitle(QString::fromStdString(Modele().Caption));

    fond_ = new QWidget(this);
    fond_->setObjectName(QStringLiteral("fond"));
    fond_->setAutoFillBackground(true);
    setCentralWidget(fond_);

    CreerMenu();
    plateau_ = new PlateauWidget(session_, fond_);
    connect(plateau_, &PlateauWidget::modeleModifie, this, &TfrmMath::RafraichirVue);
    CreerPanneaux();

    const GameState& g = session_.etat;
    resize(AEchelle(LargeurFenetrePrincipale, g.FacteurEcranX),
        AEchelle(HauteurFenetrePrincipale, g.FacteurEcranY) + menuBar()->sizeHint().height());

    timerDebut_.setSingleShot(true);
    timerDebut_.setInterval(1);
    connect(&timerDebut_, &QTimer::timeout, this, [this] {
        timerDebut_.stop();
        Executer([this] { session_.TimerDebut(); });
    });

    ports_.SetParent(this);
    ports_.Tic = [this](Minuterie::Id id) { Executer([this, id] { session_.Tic(id); }); };
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

void TfrmMath::CreerMenu()
{
    // Alt and the underlined letter open a menu: the whole game is played from the keyboard.
    for (const Menu& m : session_.Menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(m.caption));
        for (const ElementMenu& e : m.elements) {
            if (e.Separateur()) {
                menu->addSeparator();
                actions_.push_back(nullptr);
                continue;
            }
            QAction* a = menu->addAction(QString::fromStdString(e.caption));
            a->setObjectName(QString::fromStdString(e.nom));
            a->setCheckable(e.cochable);
            switch (e.raccourci) {
            case Raccourci::F1: a->setShortcut(QKeySequence(Qt::Key_F1)); break;
            case Raccourci::F9: a->setShortcut(QKeySequence(Qt::Key_F9)); break;
            case Raccourci::Aucun: break;
            }
            const Commande commande = e.commande;
            connect(a, &QAction::triggered, this, [this, commande] { Executer([this, commande] { session_.Commande(commande); }); });
            actions_.push_back(a);
        }
    }
}

void TfrmMath::CreerPanneaux()
{
    const std::vector<PlaceControle>& disposition = Modele().Disposition();
    for (size_t i = 0; i < disposition.size(); ++i) {
        const PlaceControle& p = disposition[i];
        QWidget* parent = p.parent ? static_cast<QWidget*>(panneaux_.at(p.parent)) : fond_;
        auto* w = new PanneauWidget(*p.controle, p.policeTimes, parent);
        w->setObjectName(QString::fromLatin1(p.nom));
        panneaux_[p.controle] = w;
        if (!p.cliquable())
            continue;
        w->SetCliquable(true);
        const auto indice = static_cast<int32_t>(i);
        const Commande commande = p.commande;
        connect(w, &PanneauWidget::enfonce, this, [this, indice] { Executer([this, indice] { session_.Panneau(indice, true); }); });
        connect(w, &PanneauWidget::relache, this, [this, indice] { Executer([this, indice] { session_.Panneau(indice, false); }); });
        connect(w, &PanneauWidget::clique, this, [this, commande] { Executer([this, commande] { session_.Commande(commande); }); });
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
    const Controles& k = session_.controles;
    const FenetrePrincipale& modele = Modele();
    const QString titre = QString::fromStdString(modele.Caption);
    if (windowTitle() != titre)
        setWindowTitle(titre);
    // Only a change of the model changes the window: the window system may enable it too.
    if (modele.Enabled != activeeVue_) {
        activeeVue_ = modele.Enabled;
        setEnabled(activeeVue_);
    }
    const QColor fond = VersQColor(k.CouleurFenetre);
    if (fond_->palette().color(QPalette::Window) != fond) {
        QPalette pal = fond_->palette();
        pal.setColor(QPalette::Window, fond);
        fond_->setPalette(pal);
    }
    if (k.Modifications() != modificationsVues_) {
        modificationsVues_ = k.Modifications();
        for (const PlaceControle& p : modele.Disposition())
            panneaux_.at(p.controle)->Synchroniser();
    }
    // The keyboard's focus where the model has it: the widget that has it is the one assistive
    // technologies are told of. Given once it changed, and once the widget can take it.
    if (!focusDonne_ || k.Focus.panneau != focusVu_) {
        focusVu_ = k.Focus.panneau;
        QWidget* w = focusVu_ ? static_cast<QWidget*>(panneaux_.at(focusVu_)) : plateau_;
        focusDonne_ = w->isVisible() && w->isEnabled();
        if (focusDonne_)
            w->setFocus(Qt::OtherFocusReason);
    }
    plateau_->Synchroniser();
    size_t i = 0;
    for (const Menu& m : session_.Menus())
        for (const ElementMenu& e : m.elements) {
            QAction* a = actions_[i++];
            if (!a)
                continue;
            if (a->isChecked() != e.coche)
                a->setChecked(e.coche);
            const QString texte = QString::fromStdString(e.caption);
            if (a->text() != texte)
                a->setText(texte);
        }
}

void TfrmMath::PanelStartClick(int32_t langue)
{
    session_.Demarrer(langue);
    timerDebut_.start();
    // Without a window manager a maximised window keeps its size: fill the screen ourselves.
    if (QScreen* ecran = screen())
        setGeometry(ecran->availableGeometry());
    showMaximized();
    RafraichirVue();
}

void TfrmMath::DemarrerPartie()
{
    Executer([this] { session_.NouvellePartie(); });
}

void TfrmMath::closeEvent(QCloseEvent* e)
{
    Executer([this] { session_.Commande(cmdFermer); });
    e->accept();
}

void TfrmMath::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Executer([this] { session_.Activer(); });
}

void TfrmMath::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Some platforms show a window without activating it.
    Executer([this] { session_.Activer(); });
}

bool TfrmMath::eventFilter(QObject* objet, QEvent* e)
{
    // Every key typed in this window reaches its window object first, whichever control has the
    // focus; keys typed in the other windows never do.
    // While the menu bar has the keyboard (after Alt), the keys are its own.
    if (e->type() == QEvent::KeyPress && objet == windowHandle() && isEnabled() && !menuBar()->hasFocus()) {
        const auto* touche = static_cast<QKeyEvent*>(e);
        if (const std::optional<ToucheClavier> t = ToucheClavierDe(touche->key())) {
            // The board's cursor, the walls, Tab through the panels, the maze's arrows. A key
            // used goes no further: Tab and Space belong to the window's own rules, not Qt's.
            bool utilisee = false;
            const uint32_t etat = EtatTouches(touche);
            Executer([this, &utilisee, t, etat] { utilisee = session_.Touche(*t, etat); });
            if (utilisee)
                return true;
        } else {
            const QString texte = touche->text();
            if (texte.size() == 1 && texte[0].unicode() < 128) {
                const char caractere = char(texte[0].unicode());
                Executer([this, caractere] { session_.Caractere(caractere); });
            }
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

} // namespace cogitelle
