#include "session/SessionAutonome.h"

namespace cogitelle {

SessionAutonome::SessionAutonome()
    : session(ports, magasin, std::string()), etat(&session.etat), hasard(session.hasard), controles(&session.controles),
      ctx(session.ctx)
{
    etat->NumeroTableau = 1;
    etat->Langue = 1;
    etat->Verif = 1;
}

void SessionAutonome::Jouer(TTypeJeu type, int32_t numero)
{
    etat->TypeJeu = type;
    etat->NumeroTableau = numero;
    session.NouvellePartie();
}

} // namespace cogitelle
