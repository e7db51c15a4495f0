// The settings store of the machine the program runs on.
#pragma once

#include <memory>

#include "store/MagasinOptions.h"

namespace cogitelle {

// The registry key HKEY_CURRENT_USER\Software\Ludivex\COGITELLE I\ on Windows; elsewhere the INI
// file "Ludivex/COGITELLE I.ini" in the user's configuration folder.
std::unique_ptr<MagasinOptions> CreerMagasinSysteme();

} // namespace cogitelle
