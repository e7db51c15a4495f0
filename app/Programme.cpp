#include "app/Programme.h"

#include "store/qt/MagasinSysteme.h"

namespace cogitelle {

ObjetsDuProgramme::ObjetsDuProgramme()
    : ports(etat->Titre), magasin(CreerMagasinSysteme()), ctx{*etat, hasard, *controles, ports, *magasin, "scoresI"}
{
}

} // namespace cogitelle
