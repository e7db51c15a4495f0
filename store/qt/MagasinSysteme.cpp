#include "store/qt/MagasinSysteme.h"

#ifdef _WIN32
#include "store/win/MagasinRegistre.h"
#else
#include "store/qt/MagasinQSettings.h"
#endif

namespace cogitelle {

std::unique_ptr<MagasinOptions> CreerMagasinSysteme()
{
#ifdef _WIN32
    return std::make_unique<MagasinRegistre>();
#else
    return std::make_unique<MagasinQSettings>();
#endif
}

} // namespace cogitelle
