#include "app/PanneauDialogue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtWidgets/qdrawutil.h>
#include <cmath>

#include "app/Peinture.h"
#include "session/Echelles.h"
#include "session/Entrees.h"

namespace cogitelle {

PanneauDialogue::PanneauDialogue(QWidget* parent, const QString& nom, const QColor& couleur, const QString& caption)
    : QWidget(parent), caption_(caption), couleur_(couleur)
{
    setObjectName(nom);
    setFocusPolicy(Qt::NoFocus);
}

void PanneauDialogue::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void PanneauDialogue::SetLargeurBiseau(int largeur)
{
    largeurBiseau_ = largeur;
    update();
}

void PanneauDialogue::SetBouton(std::function<void()> clic)
{
    clic_ = std::move(clic);
    setCursor(Qt::UpArrowCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PanneauDialogue::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), couleur_);
    // The classic bevel, white above and left, grey below and right, whatever the style.
    QPalette biseau;
    biseau.setColor(QPalette::Light, Qt::white);
    biseau.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    qDrawShadePanel(&p, rect(), biseau, enfonce_, largeurBiseau_);
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        // Pressed, the caption moves with the bevel as a button's would.
        const int d = enfonce_ ? 1 : 0;
        const QRect zone =
            rect().adjusted(largeurBiseau_ + d, largeurBiseau_ + d, -largeurBiseau_ + d, -largeurBiseau_ + d);
        // A caption too large for its panel is drawn smaller rather than cut.
        p.setFont(PoliceQuiTient(font(), zone, caption_, Qt::TextSingleLine, this));
        p.drawText(zone, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
    if (hasFocus()) {
        // The keyboard's place: a dotted frame inside the bevel.
        const int m = largeurBiseau_ + std::max(1, height() / 10);
        QPen pen(Qt::black, std::max(1, height() / 20), Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(m, m, -m - 1, -m - 1));
    }
}

void PanneauDialogue::mousePressEvent(QMouseEvent* e)
{
    if (!clic_) {
        QWidget::mousePressEvent(e);
        return;
    }
    e->accept();
    // Any button lowers it while held; another button pressed meanwhile changes nothing.
    if (boutonTenu_ != Qt::NoButton && (e->buttons() & boutonTenu_))
        return;
    boutonTenu_ = e->button();
    enfonce_ = true;
    update();
}

void PanneauDialogue::mouseReleaseEvent(QMouseEvent* e)
{
    if (!clic_) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    e->accept();
    if (e->button() != boutonTenu_)
        return;
    boutonTenu_ = Qt::NoButton;
    enfonce_ = false;
    update();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        clic_();
}

void PanneauDialogue::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (!clic_) {
        QWidget::mouseDoubleClickEvent(e);
        return;
    }
    // Once per double click: the second press and its release do nothing.
    if (SecondePressionAgit(CibleSouris::Panneau))
        mousePressEvent(e);
    else
        e->accept();
}

void PanneauDialogue::keyPressEvent(QKeyEvent* e)
{
    const bool active = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (clic_ && active && !e->isAutoRepeat() && e->modifiers() == Qt::NoModifier) {
        e->accept();
        clic_();
        return;
    }
    QWidget::keyPressEvent(e);
}

double FacteurDialogueEcran(double fx, double fy, int largeur, int hauteur)
{
    QRect libre(0, 0, 0, 0);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        libre = ecran->availableGeometry();
    // Room for the title bar and the frame that the window manager adds.
    const int titre = 40;
    return FacteurDialogue(fx, fy, largeur, hauteur, libre.width(), libre.height(), titre);
}

namespace {

// The platform style with its sizes of scroll bars, arrows and radio dots multiplied by the
// dialog's factor. The scroll bars are drawn the classic way, so their arrows grow with them.
class StyleDialogue : public QProxyStyle {
public:
    explicit StyleDialogue(double f) : QProxyStyle(QApplication::style()->name()), f_(f) {}

    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        const int base = QProxyStyle::pixelMetric(m, o, w);
        switch (m) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin: return AEchelle(base, f_);
        default: return base;
        }
    }

    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* o, QPainter* p,
        const QWidget* w) const override
    {
        const auto* s = qstyleoption_cast<const QStyleOptionSlider*>(o);
        if (cc != CC_ScrollBar || !s) {
            QProxyStyle::drawComplexControl(cc, o, p, w);
            return;
        }
        QPalette biseau = s->palette;
        biseau.setColor(QPalette::Light, Qt::white);
        biseau.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
        biseau.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
        biseau.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        biseau.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
        const QBrush bouton(QColor(0xC0, 0xC0, 0xC0));
        p->save();
        p->fillRect(s->rect, QColor(0xE8, 0xE8, 0xE8));
        const bool horizontal = s->orientation == Qt::Horizontal;
        for (SubControl sc : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
            const QRect r = subControlRect(cc, s, sc, w);
            if (r.isEmpty())
                continue;
            const bool presse = (s->activeSubControls & sc) && (s->state & State_Sunken);
            qDrawWinPanel(p, r, biseau, presse, &bouton);
            // A black triangle a third of the button, pointing away from the bar's middle.
            const double c = std::min(r.width(), r.height()) / 3.0;
            const QPointF m = QRectF(r).center() + (presse ? QPointF(1, 1) : QPointF(0, 0));
            const double sens = sc == SC_ScrollBarAddLine ? 1 : -1;
            QPolygonF t;
            if (horizontal)
                t << m + QPointF(sens * c / 2, 0) << m + QPointF(-sens * c / 2, -c) << m + QPointF(-sens * c / 2, c);
            else
                t << m + QPointF(0, sens * c / 2) << m + QPointF(-c, -sens * c / 2) << m + QPointF(c, -sens * c / 2);
            p->setRenderHint(QPainter::Antialiasing, true);
            p->setPen(Qt::NoPen);
            p->setBrush(s->state & State_Enabled ? Qt::black : Qt::gray);
            p->drawPolygon(t);
            p->setRenderHint(QPainter::Antialiasing, false);
        }
        const QRect curseur = subControlRect(cc, s, SC_ScrollBarSlider, w);
        if (!curseur.isEmpty())
            qDrawWinPanel(p, curseur, biseau, false, &bouton);
        if (s->state & State_HasFocus) {
            // The keyboard's place: the thumb framed by a dotted line.
            QPen pen(Qt::black, std::max(1.0, f_), Qt::DotLine);
            p->setPen(pen);
            p->setBrush(Qt::NoBrush);
            const int m = AEchelle(3, f_);
            p->drawRect(curseur.adjusted(m, m, -m - 1, -m - 1));
        }
        p->restore();
    }

private:
    double f_;
};

} // namespace

QFont PoliceDialogue(const QString& famille, int hauteurPixels, bool gras)
{
    QFont police;
    QStringList familles{famille};
    if (famille == QLatin1String("Times New Roman"))
        familles << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif") << QStringLiteral("serif");
    else
        familles << QStringLiteral("Microsoft Sans Serif") << QStringLiteral("Liberation Sans")
                 << QStringLiteral("DejaVu Sans") << QStringLiteral("sans-serif");
    police.setFamilies(familles);
    police.setPixelSize(std::max(1, hauteurPixels));
    police.setBold(gras);
    return police;
}

void CentrerSurEcran(QWidget* fenetre, QWidget* reference)
{
    QScreen* ecran = reference ? reference->screen() : fenetre->screen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    // The frame counts: the title bar must stay on the screen.
    const QRect cadre = fenetre->frameGeometry();
    const Rect place = PlaceDansZone(cadre.width(), cadre.height(),
        Rect{zone.left(), zone.top(), zone.width(), zone.height()});
    // A window's position is its frame's.
    fenetre->move(place.left, place.top);
}

void EchelleDialogue::Styler(QWidget* w) const
{
    // On the design screen the platform's own look stays as it is.
    if (f <= 1.0)
        return;
    auto* style = new StyleDialogue(f);
    style->setParent(w);
    w->setStyle(style);
}

std::optional<ToucheDefilement> ToucheDefilementDe(int cle)
{
    switch (cle) {
    case Qt::Key_Left: return ToucheDefilement::Gauche;
    case Qt::Key_Right: return ToucheDefilement::Droite;
    case Qt::Key_Up: return ToucheDefilement::Haut;
    case Qt::Key_Down: return ToucheDefilement::Bas;
    case Qt::Key_PageUp: return ToucheDefilement::PagePrecedente;
    case Qt::Key_PageDown: return ToucheDefilement::PageSuivante;
    case Qt::Key_Home: return ToucheDefilement::Debut;
    case Qt::Key_End: return ToucheDefilement::Fin;
    default: return std::nullopt;
    }
}

std::optional<ToucheFenetre> ToucheFenetreDe(int cle)
{
    switch (cle) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ToucheFenetre::Entree;
    case Qt::Key_Escape: return ToucheFenetre::Echappement;
    case Qt::Key_Space: return ToucheFenetre::Espace;
    default: return std::nullopt;
    }
}

} // namespace cogitelle
