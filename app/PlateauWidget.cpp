#include "app/PlateauWidget.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>
#include <unordered_map>

#include "app/Accessibilite.h"
#include "app/Peinture.h"
#include "session/Entrees.h"

namespace cogitelle {

namespace {

// Beyond this many changed rectangles one repaint of the whole board is cheaper to compute.
constexpr size_t ZonesMax = 64;

uint32_t EtatSourisDe(const QMouseEvent* e, bool doubleClic)
{
    uint32_t etat = 0;
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m & Qt::ShiftModifier) etat |= ssShift;
    if (m & Qt::AltModifier) etat |= ssAlt;
    if (m & Qt::ControlModifier) etat |= ssCtrl;
    const Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton) etat |= ssLeft;
    if (b & Qt::RightButton) etat |= ssRight;
    if (b & Qt::MiddleButton) etat |= ssMiddle;
    if (doubleClic) etat |= ssDouble;
    return etat;
}

bool BoutonDe(Qt::MouseButton b, BoutonSouris& bouton)
{
    switch (b) {
    case Qt::LeftButton: bouton = BoutonSouris::Gauche; return true;
    case Qt::RightButton: bouton = BoutonSouris::Droit; return true;
    case Qt::MiddleButton: bouton = BoutonSouris::Milieu; return true;
    default: return false;
    }
}

} // namespace

PlateauWidget::PlateauWidget(cogitelle::Session& session, QWidget* parent)
    : QWidget(parent), session_(session), c_(session.ctx), panneauVu_(session.controles.panelCentral)
{
    cogitelle::Session* s = &session;
    routage_.CaseMouseDown = [s](Contexte&, int32_t tag, BoutonSouris b, uint32_t etat) { s->Case(tag, b, etat); };
    routage_.MurEnfoncement = [s](Contexte&, TypeMur t, int32_t tag) { s->MurEnfonce(t, tag); };
    routage_.MurRelachement = [s](Contexte&, TypeMur t, int32_t tag) { s->MurRelache(t, tag); };
    routage_.MurDroitClique = [s](Contexte&, int32_t tag) { s->MurClique(TypeMur::Droit, tag); };
    routage_.MurBasClique = [s](Contexte&, int32_t tag) { s->MurClique(TypeMur::Bas, tag); };
    routage_.MurBasDroitClique = [s](Contexte&, int32_t tag) { s->MurClique(TypeMur::BasDroit, tag); };
    Controles& k = session.controles;
    std::unordered_map<const Controle*, Genre> genres;
    for (auto& colonne : k.Cases)
        for (auto& x : colonne) genres[&x] = Genre::Case;
    for (auto& colonne : k.CadresInterieurs)
        for (auto& x : colonne) genres[&x] = Genre::Cadre;
    for (auto& colonne : k.CadresCases)
        for (auto& x : colonne) genres[&x] = Genre::Cadre;
    for (auto& colonne : k.MursDroits)
        for (auto& x : colonne) genres[&x] = Genre::MurDroit;
    for (auto& colonne : k.MursBas)
        for (auto& x : colonne) genres[&x] = Genre::MurBas;
    for (auto& colonne : k.MursBasDroits)
        for (auto& x : colonne) genres[&x] = Genre::MurBasDroit;
    genres_.reserve(k.OrdreCreation().size());
    for (const Controle* ctl : k.OrdreCreation())
        genres_.push_back(genres.at(ctl));

    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The right button plays in the serpentine: no context menu, here or from the window.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setObjectName(QStringLiteral("panelCentral"));
    setGeometry(VersQRect(k.panelCentral.rect()));
    setVisible(k.panelCentral.Visible());
}

const QFont& PlateauWidget::Police(int points)
{
    auto it = polices_.find(points);
    if (it == polices_.end())
        it = polices_.emplace(points, PoliceTimes(points)).first;
    return it->second;
}

const QFont& PlateauWidget::PoliceDeCase(const Controle& cellule, const QPaintDevice* appareil)
{
    // A number a little wide for its cell (the magic square's ring of sums) is drawn smaller
    // rather than cut. The fitted type is kept for each size, cell and caption.
    const Rect& r = cellule.rect();
    const QString cle = QStringLiteral("%1|%2|%3|").arg(cellule.TaillePolice()).arg(r.width).arg(r.height) +
        QString::fromStdString(cellule.Caption());
    auto it = ajustees_.find(cle);
    if (it == ajustees_.end()) {
        // A bound on the memory: each new board brings its own sizes.
        if (ajustees_.size() >= 4096)
            ajustees_.clear();
        const int bord = (cellule.BiseauExterieur() != Biseau::Aucun ? cellule.LargeurBiseau() : 0) +
            (cellule.BiseauInterieur() != Biseau::Aucun ? cellule.LargeurBiseau() : 0);
        const QRectF zone(bord, bord, r.width - 2 * bord, r.height - 2 * bord);
        it = ajustees_
                 .emplace(cle, PoliceQuiTient(Police(cellule.TaillePolice()), zone,
                                   QString::fromStdString(cellule.Caption()), Qt::TextSingleLine, appareil))
                 .first;
    }
    return it->second;
}

void PlateauWidget::Synchroniser()
{
    Controles& k = c_.controles;
    const Controle& pc = k.panelCentral;
    const QRect r = VersQRect(pc.rect());
    bool tout = false;
    if (geometry() != r) {
        setGeometry(r);
        tout = true;
    }
    if (pc.couleur() != panneauVu_.couleur() || pc.BiseauExterieur() != panneauVu_.BiseauExterieur() ||
        pc.BiseauInterieur() != panneauVu_.BiseauInterieur() || pc.LargeurBiseau() != panneauVu_.LargeurBiseau()) {
        panneauVu_ = pc;
        tout = true;
    }
    if (isHidden() == pc.Visible())
        setVisible(pc.Visible());

    if (k.ToutSale())
        tout = true;
    const std::vector<Rect> zones = k.PrendreZonesSales();
    if (tout || zones.size() > ZonesMax) {
        update();
    } else if (!zones.empty()) {
        QRegion region;
        for (const Rect& z : zones)
            region += VersQRect(z);
        update(region);
    }
    if (underMouse())
        ActualiserCurseur(mapFromGlobal(QCursor::pos()));
    if (QAccessible::isActive())
        Annoncer();
}

void PlateauWidget::Annoncer()
{
    const GameState& g = c_.etat;
    const int32_t n = isVisible() ? CotePlateauLu(g) : 0;
    if (n != coteAnnonce_) {
        coteAnnonce_ = n;
        textesAnnonces_.assign(static_cast<size_t>(2 * n * n), QString());
        QAccessibleTableModelChangeEvent e(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&e);
    }
    for (int32_t y = 1; y <= n; ++y)
        for (int32_t x = 1; x <= n; ++x) {
            const TexteCase t = DireCase(g, x, y);
            const size_t i = static_cast<size_t>(2 * ((y - 1) * n + (x - 1)));
            const QString nom = QString::fromStdString(t.nom), etat = QString::fromStdString(t.etat);
            if (textesAnnonces_[i] != nom) {
                textesAnnonces_[i] = nom;
                QAccessibleEvent e(InterfaceCase(this, x, y), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&e);
            }
            if (textesAnnonces_[i + 1] != etat) {
                textesAnnonces_[i + 1] = etat;
                QAccessibleEvent e(InterfaceCase(this, x, y), QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&e);
            }
        }
    const FocusClavier& f = c_.controles.Focus;
    const bool focus = n > 0 && hasFocus() && !f.panneau;
    if (focus && (!focusAnnonce_ || curseurAnnonce_ != PosCase{f.x, f.y})) {
        QAccessibleEvent e(InterfaceCase(this, f.x, f.y), QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    }
    focusAnnonce_ = focus;
    curseurAnnonce_ = {f.x, f.y};
}

void PlateauWidget::PresserCase(int32_t x, int32_t y, BoutonSouris bouton)
{
    session_.Curseur().PresserCase(x, y, bouton);
    Synchroniser();
    emit modeleModifie();
}

int PlateauWidget::IndiceA(QPoint p) const
{
    const auto& ordre = c_.controles.OrdreCreation();
    // Frames are outline shapes without handlers: a press on one reaches nothing.
    for (int i = int(ordre.size()) - 1; i >= 0; --i) {
        const Controle& ctl = *ordre[size_t(i)];
        if (genres_[size_t(i)] != Genre::Cadre && ctl.Visible() && ctl.rect().contient(p.x(), p.y()))
            return i;
    }
    return -1;
}

const Controle* PlateauWidget::ControleA(QPoint p) const
{
    const int i = IndiceA(p);
    return i < 0 ? nullptr : c_.controles.OrdreCreation()[size_t(i)];
}

void PlateauWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const Aligneur a(p);
    const QRect zone = e->rect();
    PeindrePanneau(p, rect(), c_.controles.panelCentral, Police(8), a);
    const auto& ordre = c_.controles.OrdreCreation();
    for (size_t i = 0; i < ordre.size(); ++i) {
        const Controle& ctl = *ordre[i];
        if (!ctl.Visible())
            continue;
        const QRect r = VersQRect(ctl.rect());
        if (r.isEmpty() || !r.intersects(zone))
            continue;
        if (genres_[i] == Genre::Cadre)
            PeindreCadre(p, r, ctl, a);
        else if (genres_[i] == Genre::Case && !ctl.Caption().empty())
            PeindrePanneau(p, r, ctl, PoliceDeCase(ctl, p.device()), a);
        else
            PeindrePanneau(p, r, ctl, Police(ctl.TaillePolice()), a);
    }
    // The keyboard's cursor, above everything on the board.
    const Controle& focus = c_.controles.CadreFocus;
    const QRect r = VersQRect(focus.rect());
    if (focus.Visible() && r.intersects(zone))
        PeindreFocus(p, r, focus.LargeurStylo(), focus.CouleurStylo(), focus.couleur(), a);
}

void PlateauWidget::mousePressEvent(QMouseEvent* e) { Appuyer(e, false); }

// The second press of a double click: the cells see it with ssDouble; the walls ignore it.
void PlateauWidget::mouseDoubleClickEvent(QMouseEvent* e) { Appuyer(e, true); }

void PlateauWidget::Appuyer(QMouseEvent* e, bool doubleClic)
{
    e->accept();
    // A wall keeps the mouse until the button pressed on it is released. When that button is
    // pressed again, or is no longer down, its release went elsewhere (to a box that opened
    // meanwhile): the wall is let go unclicked.
    if (murTenu_) {
        if (e->button() != murTenu_->bouton && (e->buttons() & murTenu_->bouton))
            return;
        const MurTenu mur = *murTenu_;
        murTenu_.reset();
        routage_.MurRelachement(c_, mur.type, mur.tag);
    }
    BoutonSouris bouton;
    if (!BoutonDe(e->button(), bouton))
        return;
    const int i = IndiceA(e->position().toPoint());
    if (i < 0)
        return;
    const Controle& ctl = *c_.controles.OrdreCreation()[size_t(i)];
    switch (genres_[size_t(i)]) {
    case Genre::Case:
        routage_.CaseMouseDown(c_, ctl.Tag(), bouton, EtatSourisDe(e, doubleClic));
        break;
    case Genre::MurDroit:
    case Genre::MurBas:
    case Genre::MurBasDroit: {
        // A wall acts once per double click: its second press is neither a press nor a click.
        if (doubleClic && !SecondePressionAgit(CibleSouris::Mur))
            return;
        const TypeMur type = genres_[size_t(i)] == Genre::MurDroit ? TypeMur::Droit
            : genres_[size_t(i)] == Genre::MurBas                  ? TypeMur::Bas
                                                                   : TypeMur::BasDroit;
        murTenu_ = MurTenu{type, ctl.Tag(), &ctl, e->button()};
        routage_.MurEnfoncement(c_, type, ctl.Tag());
        break;
    }
    case Genre::Cadre:
        return;
    }
    Synchroniser();
    emit modeleModifie();
}

void PlateauWidget::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (!murTenu_ || e->button() != murTenu_->bouton)
        return;
    const MurTenu mur = *murTenu_;
    murTenu_.reset();
    const bool dedans = mur.mur->rect().contient(int(e->position().x()), int(e->position().y()));
    // The wall is raised before its click runs: a click that ends the game locks the board, and
    // the wall must not stay pressed under the end message.
    routage_.MurRelachement(c_, mur.type, mur.tag);
    Synchroniser();
    emit modeleModifie();
    if (mur.bouton != Qt::LeftButton || !dedans)
        return;
    switch (mur.type) {
    case TypeMur::Droit: routage_.MurDroitClique(c_, mur.tag); break;
    case TypeMur::Bas: routage_.MurBasClique(c_, mur.tag); break;
    case TypeMur::BasDroit: routage_.MurBasDroitClique(c_, mur.tag); break;
    }
    Synchroniser();
    emit modeleModifie();
}

void PlateauWidget::mouseMoveEvent(QMouseEvent* e) { ActualiserCurseur(e->position().toPoint()); }

void PlateauWidget::ActualiserCurseur(QPoint p)
{
    const Controle* ctl = ControleA(p);
    const Qt::CursorShape forme = VersCurseur(ctl ? ctl->curseur() : c_.controles.panelCentral.curseur());
    if (cursor().shape() != forme)
        setCursor(forme);
}

bool PlateauWidget::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* aide = static_cast<QHelpEvent*>(e);
        const Controle* ctl = ControleA(aide->pos());
        if (ctl && ctl->ShowHint() && !ctl->Hint().empty())
            QToolTip::showText(aide->globalPos(), QString::fromStdString(ctl->Hint()), this, VersQRect(ctl->rect()));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

} // namespace cogitelle
