#include "app/PanneauWidget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "app/Peinture.h"
#include "session/Entrees.h"

namespace cogitelle {

PanneauWidget::PanneauWidget(const Controle& modele, bool policeTimes, QWidget* parent)
    : QWidget(parent), modele_(modele), vu_(modele), policeTimes_(policeTimes)
{
    setAttribute(Qt::WA_OpaquePaintEvent, modele.sorte() != Sorte::Cadre);
    setContextMenuPolicy(Qt::PreventContextMenu);
    Synchroniser();
}

void PanneauWidget::Synchroniser()
{
    const QRect r = VersQRect(modele_.rect());
    if (geometry() != r)
        setGeometry(r);
    if (isHidden() == modele_.Visible())
        setVisible(modele_.Visible());
    if (isEnabled() != modele_.Enabled())
        setEnabled(modele_.Enabled());
    const Qt::CursorShape curseur = VersCurseur(modele_.curseur());
    if (cursor().shape() != curseur)
        setCursor(curseur);
    if (!MemeAspect(vu_, modele_)) {
        vu_ = modele_;
        update();
    }
    // The caption a screen reader reads changed: the score, the info text, a puzzle number.
    if (legendeAnnoncee_ != modele_.Caption()) {
        legendeAnnoncee_ = modele_.Caption();
        if (QAccessible::isActive()) {
            QAccessibleEvent e(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&e);
        }
    }
}

void PanneauWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Aligneur a(p);
    const QRect r = rect();
    QFont police = policeTimes_ ? PoliceTimes(modele_.TaillePolice()) : PoliceFenetre(modele_.TaillePolice());
    police.setBold(modele_.Gras());
    switch (modele_.sorte()) {
    // A caption that would not fit its box (a long name, a large number) is drawn smaller.
    case Sorte::Panneau:
        PeindrePanneau(p, r, modele_, police, a, true);
        if (modele_.Focus())
            PeindreFocusPanneau(p, r, modele_, a);
        break;
    case Sorte::Etiquette: PeindreEtiquette(p, r, modele_, police, a, true); break;
    case Sorte::Cadre: PeindreCadre(p, r, modele_, a); break;
    }
    vu_ = modele_;
}

void PanneauWidget::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (!cliquable_)
        return;
    if (boutonTenu_ != Qt::NoButton) {
        if (e->button() != boutonTenu_ && (e->buttons() & boutonTenu_))
            return;
        // The held button's release went elsewhere (a box opened meanwhile): let go, unclicked.
        boutonTenu_ = Qt::NoButton;
        emit relache();
    }
    boutonTenu_ = e->button();
    emit enfonce();
}

// A panel acts once per double click: the second press, and so its release, do nothing.
void PanneauWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (SecondePressionAgit(CibleSouris::Panneau))
        mousePressEvent(e);
    else
        e->accept();
}

void PanneauWidget::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (!cliquable_ || e->button() != boutonTenu_)
        return;
    boutonTenu_ = Qt::NoButton;
    emit relache();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clique();
}

} // namespace cogitelle
