#include "session/Entrees.h"

#include <algorithm>

namespace cogitelle {

int32_t PositionApresTouche(ToucheDefilement touche, int32_t position, int32_t min, int32_t max, int32_t pasGrand)
{
    int32_t p = position;
    switch (touche) {
    case ToucheDefilement::Gauche:
    case ToucheDefilement::Haut: p = position - 1; break;
    case ToucheDefilement::Droite:
    case ToucheDefilement::Bas: p = position + 1; break;
    case ToucheDefilement::PagePrecedente: p = position - pasGrand; break;
    case ToucheDefilement::PageSuivante: p = position + pasGrand; break;
    case ToucheDefilement::Debut: p = min; break;
    case ToucheDefilement::Fin: p = max; break;
    }
    return std::clamp(p, min, std::max(min, max));
}

int32_t SaisieNumero::Taper(int32_t chiffre, int64_t instantMs, int32_t max)
{
    if (chiffre < 0 || chiffre > 9)
        return 0;
    if (!enCours_ || instantMs - dernier_ > DelaiMs || instantMs < dernier_)
        valeur_ = 0;
    enCours_ = true;
    dernier_ = instantMs;
    valeur_ = valeur_ * 10 + chiffre;
    if (valeur_ > max)
        valeur_ = chiffre <= max ? chiffre : 0;
    return valeur_;
}

} // namespace cogitelle
