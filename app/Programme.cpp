#include "app/Programme.h"

#include "store/qt/MagasinSysteme.h"

namespace cogitelle {

ObjetsDuProgramme::ObjetsDuProgramme()
    : magasin(CreerMagasinSysteme()), session(ports, *magasin, "scoresI"), ctx(session.ctx)
{
}

} // namespace cogitelle
