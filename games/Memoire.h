// Memory: find the groups of equal hidden numbers.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

void GenererMemoire(Contexte& c);
void CliquerMemoire(Contexte& c, int32_t x, int32_t y);
void GroupeTrouve(Contexte& c);
void RafraichirMemoire(Contexte& c);
void timerRefreshMemoireTimer(Contexte& c);

} // namespace cogitelle
