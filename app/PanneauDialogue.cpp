#include "app/PanneauDialogue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtWidgets/qdrawutil.h>
#include <cmath>

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
        p.drawText(rect().adjusted(largeurBiseau_ + d, largeurBiseau_ + d, -largeurBiseau_ + d, -largeurBiseau_ + d),
            Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

void PanneauDialogue::mousePressEvent(QMouseEvent* e)
{
    if (clic_ && e->button() == Qt::LeftButton) {
        enfonce_ = true;
        update();
        e->accept();
        return;
    }
    QWidget::mousePressEvent(e);
}

void PanneauDialogue::mouseReleaseEvent(QMouseEvent* e)
{
    if (clic_ && e->button() == Qt::LeftButton && enfonce_) {
        enfonce_ = false;
        update();
        e->accept();
        if (rect().contains(e->position().toPoint()))
            clic_();
        return;
    }
    QWidget::mouseReleaseEvent(e);
}

int AEchelle(int pixels, double facteur) { return static_cast<int>(std::nearbyint(pixels * facteur)); }

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

} // namespace cogitelle

#include <QScreen>

namespace cogitelle {

void CentrerSurEcran(QWidget* fenetre, QWidget* reference)
{
    QScreen* ecran = reference ? reference->screen() : fenetre->screen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    fenetre->move(zone.center() - QPoint(fenetre->width() / 2, fenetre->height() / 2));
}

} // namespace cogitelle

namespace cogitelle {

void EchelleDialogue::Placer(QWidget* w, int left, int top, int width, int height) const
{
    w->setGeometry(AEchelle(left, f), AEchelle(top, f), AEchelle(width, f), AEchelle(height, f));
}

} // namespace cogitelle
