#include "session/SessionAutonome.h"

#include "session/NouvellePartie.h"

namespace cogitelle {

SessionAutonome::SessionAutonome() : ctx{*etat, hasard, *controles, ports, magasin, std::string()}
{
    RemplirVoisins(etat->Voisins);
    etat->NumeroTableau = 1;
    etat->Langue = 1;
    etat->Verif = 1;
}

void SessionAutonome::Jouer(TTypeJeu type, int32_t numero)
{
    etat->TypeJeu = type;
    etat->NumeroTableau = numero;
    NouvellePartie(ctx);
}

} // namespace cogitelle
