// Drawing the controls model the classic way: flat colours, raised and lowered bevels, captions,
// outline shapes. Shared by the board and the side panels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRectF>
#include <Qt>

#include "core/Controles.h"
#include "session/Descriptions.h"

class QPainter;

namespace cogitelle {

QColor VersQColor(Couleur c);
Couleur DepuisQColor(const QColor& c);
QRect VersQRect(const Rect& r);
Qt::CursorShape VersCurseur(Curseur c);

// "Times New Roman" for the board and the info label, "MS Sans Serif" for the window; both
// fall back on their metric twins where they are missing.
void InstallerSubstitutionsPolices();
QFont PoliceTimes(int points);
QFont PoliceFenetre(int points);
// A font of the windows' model, the family as the two above.
QFont PoliceDe(const Police& police);

// Snaps logical coordinates to device pixel edges, so one-pixel lines stay crisp whatever the
// device pixel ratio (1, 1.25, 1.5, 2).
class Aligneur {
public:
    explicit Aligneur(const QPainter& p);
    qreal X(qreal x) const;
    qreal Y(qreal y) const;
    QRectF Aligner(const QRect& r) const;
    // The thickness of a line `largeur` logical pixels wide, in whole device pixels (at least one).
    qreal Trait(int32_t largeur) const;

private:
    qreal s_ = 1, ox_ = 0, oy_ = 0;
};

// A bevel of `largeur` lines on the edge of `r` (raised: light top-left, dark bottom-right),
// which then shrinks to the area inside it.
void PeindreBiseau(QPainter& p, QRectF& r, Biseau biseau, int32_t largeur, const Aligneur& a);

// True when `texte` in `police`, laid out with `drapeaux` (Qt::TextSingleLine or
// Qt::TextWordWrap), fits whole inside `zone` on `appareil` (nullptr: the screen): one line's ink
// uncut, wrapped lines' whole height inside.
bool TexteTient(const QFont& police, const QRectF& zone, const QString& texte, int drapeaux,
    const QPaintDevice* appareil = nullptr);
// `police` made smaller, when it must be, until `texte` fits `zone`.
QFont PoliceQuiTient(const QFont& police, const QRectF& zone, const QString& texte, int drapeaux,
    const QPaintDevice* appareil);

// A panel: outer bevel, inner bevel, background, caption centred on one line. With `ajuster`
// a caption too large for the panel is drawn smaller rather than cut.
void PeindrePanneau(QPainter& p, const QRect& r, const Controle& c, const QFont& police, const Aligneur& a,
    bool ajuster = false);
// A label: background and a caption centred both ways, word-wrapped, drawn smaller rather than
// cut with `ajuster`.
void PeindreEtiquette(QPainter& p, const QRect& r, const Controle& c, const QFont& police, const Aligneur& a,
    bool ajuster = false);
// An outline shape with no fill: the pen's whole width lies inside the bounds.
void PeindreCadre(QPainter& p, const QRect& r, const Controle& c, const Aligneur& a);
// The keyboard's focus: two rings inside `r`, each `largeur` wide, the outer one in `exterieur`,
// the inner one in `interieur`.
void PeindreFocus(QPainter& p, const QRect& r, int32_t largeur, Couleur exterieur, Couleur interieur, const Aligneur& a);
// A side panel with the focus shown: a thin focus frame inside its bevels.
void PeindreFocusPanneau(QPainter& p, const QRect& r, const Controle& c, const Aligneur& a);

} // namespace cogitelle
