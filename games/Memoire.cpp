// Placeholder until the memory game is built.
#include "games/Memoire.h"

namespace cogitelle {
void GenererMemoire(Contexte&) {}
void CliquerMemoire(Contexte&, int32_t, int32_t) {}
void GroupeTrouve(Contexte&) {}
void RafraichirMemoire(Contexte&) {}
void timerRefreshMemoireTimer(Contexte&) {}
} // namespace cogitelle
