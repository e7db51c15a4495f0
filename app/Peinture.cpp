#include "app/Peinture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "session/Echelles.h"

namespace cogitelle {

namespace {
const QColor Lumiere(0xFF, 0xFF, 0xFF);   // the light edge of a bevel
const QColor Ombre(0x80, 0x80, 0x80);     // the dark edge
} // namespace

QColor VersQColor(Couleur c) { return QColor(int(Rouge(c)), int(Vert(c)), int(Bleu(c))); }

Couleur DepuisQColor(const QColor& c) { return RGB(uint32_t(c.red()), uint32_t(c.green()), uint32_t(c.blue())); }

QRect VersQRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

Qt::CursorShape VersCurseur(Curseur c)
{
    switch (c) {
    case Curseur::Main: return Qt::PointingHandCursor;
    case Curseur::Interdit: return Qt::ForbiddenCursor;
    case Curseur::FlecheHaut: return Qt::UpArrowCursor;
    case Curseur::Defaut: break;
    }
    return Qt::ArrowCursor;
}

void InstallerSubstitutionsPolices()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
            QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans")});
}

QFont PoliceTimes(int points)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(std::max(1, points));
    return f;
}

QFont PoliceFenetre(int points)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(std::max(1, points));
    return f;
}

QFont PoliceDe(const Police& police)
{
    QFont f = police.famille == FamillePolice::Times ? PoliceTimes(1) : PoliceFenetre(1);
    if (police.points)
        f.setPointSize(std::max(1, police.taille));
    else
        f.setPixelSize(std::max(1, police.taille));
    f.setBold(police.gras);
    return f;
}

Aligneur::Aligneur(const QPainter& p)
{
    const QTransform t = p.deviceTransform();
    if (t.m11() > 0)
        s_ = t.m11();
    ox_ = t.dx();
    oy_ = t.dy();
}

qreal Aligneur::X(qreal x) const { return (std::round(x * s_ + ox_) - ox_) / s_; }
qreal Aligneur::Y(qreal y) const { return (std::round(y * s_ + oy_) - oy_) / s_; }

QRectF Aligneur::Aligner(const QRect& r) const
{
    const qreal g = X(r.left()), h = Y(r.top());
    return QRectF(g, h, X(r.left() + r.width()) - g, Y(r.top() + r.height()) - h);
}

qreal Aligneur::Trait(int32_t largeur) const { return std::max<qreal>(1, std::round(largeur * s_)) / s_; }

void PeindreBiseau(QPainter& p, QRectF& r, Biseau biseau, int32_t largeur, const Aligneur& a)
{
    if (biseau == Biseau::Aucun)
        return;
    const QColor& haut = biseau == Biseau::Releve ? Lumiere : Ombre;
    const QColor& bas = biseau == Biseau::Releve ? Ombre : Lumiere;
    const qreal t = a.Trait(1);
    for (int32_t i = 0; i < largeur && r.width() > 0 && r.height() > 0; ++i) {
        // Top row and left column light, right column and bottom row dark: the top-right and
        // bottom-left corner pixels take the dark colour.
        p.fillRect(QRectF(r.left(), r.top(), r.width() - t, t), haut);
        p.fillRect(QRectF(r.left(), r.top(), t, r.height() - t), haut);
        p.fillRect(QRectF(r.right() - t, r.top(), t, r.height()), bas);
        p.fillRect(QRectF(r.left(), r.bottom() - t, r.width(), t), bas);
        r.adjust(t, t, -t, -t);
    }
}

bool TexteTient(const QFont& police, const QRectF& zone, const QString& texte, int drapeaux,
    const QPaintDevice* appareil)
{
    const QFontMetricsF m = appareil ? QFontMetricsF(police, appareil) : QFontMetricsF(police);
    if (drapeaux & Qt::TextSingleLine) {
        // One line, centred as drawText centres it: its ink (a digit has no descender, a "g"
        // has) must not be cut. Half a pixel of leeway for the metrics' rounding.
        const qreal base = zone.top() + (zone.height() - m.height()) / 2 + m.ascent();
        const qreal gauche = zone.left() + (zone.width() - m.horizontalAdvance(texte)) / 2;
        const QRectF encre = m.tightBoundingRect(texte).translated(gauche, base);
        return zone.adjusted(-0.5, -0.5, 0.5, 0.5).contains(encre);
    }
    // Wrapped lines: every line's whole height, half a pixel of leeway for the metrics' rounding.
    const QRectF b = m.boundingRect(zone, Qt::AlignCenter | drapeaux, texte);
    return b.width() <= zone.width() + 0.5 && b.height() <= zone.height() + 0.5;
}

QFont PoliceQuiTient(const QFont& police, const QRectF& zone, const QString& texte, int drapeaux,
    const QPaintDevice* appareil)
{
    if (texte.isEmpty() || TexteTient(police, zone, texte, drapeaux, appareil))
        return police;
    QFont f = police;
    const bool pixels = police.pixelSize() > 0;
    const int32_t taille = pixels ? police.pixelSize() : police.pointSize();
    auto regler = [&](int32_t t) {
        if (pixels)
            f.setPixelSize(t);
        else
            f.setPointSize(t);
    };
    regler(TailleQuiTient(taille, [&](int32_t t) {
        regler(t);
        return TexteTient(f, zone, texte, drapeaux, appareil);
    }));
    return f;
}

// The control's background, then its caption centred and clipped to it.
static void PeindreFondEtTexte(
    QPainter& p, const QRectF& zone, const Controle& c, const QFont& police, int drapeaux, bool ajuster)
{
    p.fillRect(zone, VersQColor(c.couleur()));
    if (c.Caption().empty())
        return;
    const QString texte = QString::fromStdString(c.Caption());
    p.save();
    p.setClipRect(zone, Qt::IntersectClip);
    p.setFont(ajuster ? PoliceQuiTient(police, zone, texte, drapeaux, p.device()) : police);
    p.setPen(VersQColor(c.CouleurPolice()));
    p.drawText(zone, Qt::AlignCenter | drapeaux, texte);
    p.restore();
}

void PeindrePanneau(QPainter& p, const QRect& r, const Controle& c, const QFont& police, const Aligneur& a,
    bool ajuster)
{
    QRectF zone = a.Aligner(r);
    PeindreBiseau(p, zone, c.BiseauExterieur(), c.LargeurBiseau(), a);
    PeindreBiseau(p, zone, c.BiseauInterieur(), c.LargeurBiseau(), a);
    if (zone.width() <= 0 || zone.height() <= 0)
        return;
    PeindreFondEtTexte(p, zone, c, police, Qt::TextSingleLine, ajuster);
}

void PeindreEtiquette(QPainter& p, const QRect& r, const Controle& c, const QFont& police, const Aligneur& a,
    bool ajuster)
{
    PeindreFondEtTexte(p, a.Aligner(r), c, police, Qt::TextWordWrap, ajuster);
}

static void PeindreAnneau(QPainter& p, const QRectF& zone, qreal t, const QColor& couleur)
{
    p.fillRect(QRectF(zone.left(), zone.top(), zone.width(), t), couleur);
    p.fillRect(QRectF(zone.left(), zone.bottom() - t, zone.width(), t), couleur);
    p.fillRect(QRectF(zone.left(), zone.top() + t, t, zone.height() - 2 * t), couleur);
    p.fillRect(QRectF(zone.right() - t, zone.top() + t, t, zone.height() - 2 * t), couleur);
}

void PeindreFocus(QPainter& p, const QRect& r, int32_t largeur, Couleur exterieur, Couleur interieur, const Aligneur& a)
{
    const QRectF zone = a.Aligner(r);
    const qreal t = std::min({a.Trait(std::max(1, largeur)), zone.width() / 4, zone.height() / 4});
    if (t <= 0)
        return;
    PeindreAnneau(p, zone, t, VersQColor(exterieur));
    PeindreAnneau(p, zone.adjusted(t, t, -t, -t), t, VersQColor(interieur));
}

void PeindreFocusPanneau(QPainter& p, const QRect& r, const Controle& c, const Aligneur& a)
{
    const int32_t m = RetraitFocusPanneau(c);
    PeindreFocus(p, r.adjusted(m, m, -m, -m), 1, CouleurFocusExterieur, CouleurFocusInterieur, a);
}

void PeindreCadre(QPainter& p, const QRect& r, const Controle& c, const Aligneur& a)
{
    const QRectF zone = a.Aligner(r);
    // A pen of width 0 still draws one pixel.
    const qreal t = std::min({a.Trait(std::max(1, c.LargeurStylo())), zone.width() / 2, zone.height() / 2});
    if (t <= 0)
        return;
    PeindreAnneau(p, zone, t, VersQColor(c.CouleurStylo()));
}

} // namespace cogitelle
