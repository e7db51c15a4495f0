#include "app/Ecran.h"

#include <QGuiApplication>
#include <QScreen>

namespace cogitelle {

MetriquesEcran MetriquesEcranPrincipal()
{
    MetriquesEcran m;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        m.largeur = s->size().width();
        m.hauteur = s->size().height();
        m.pixelsParPouce = s->logicalDotsPerInchX();
    }
    return m;
}

} // namespace cogitelle
