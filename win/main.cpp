// The program: the core objects, the windows, the message loop.
#include "win/Windows.h"


#include <string>
#include <vector>

#include "session/DossierDonnees.h"
#include "win/Programme.h"
#include "win/Unicode.h"

using namespace cogitelle;

namespace {

// With --dossier-donnees the game works in %LOCALAPPDATA%\Cogitelle, created when missing, so its
// best scores live there rather than beside the program. Without it the game keeps the folder it
// was started from. A folder that cannot be made or entered is said, and the game goes on in the
// folder it was started from.
void EntrerDossierDonnees(const std::vector<std::string>& arguments, Ports& ports)
{
    std::vector<const char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(a.c_str());
    if (!DemandeDossierDonnees(static_cast<int>(argv.size()), argv.data()))
        return;
    wchar_t valeur[32768];
    const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", valeur, 32768);
    const std::string dossier = DossierDonneesWindows(n > 0 && n < 32768 ? Etroit(valeur).c_str() : nullptr);
    if (!dossier.empty()) {
        const std::wstring large = Large(dossier);
        if ((CreateDirectoryW(large.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) &&
            SetCurrentDirectoryW(large.c_str()))
            return;
    }
    wchar_t courant[32768] = {};
    GetCurrentDirectoryW(32768, courant);
    ports.Message(TexteDossierDonneesImpossible(dossier.empty() ? "%LOCALAPPDATA%\\Cogitelle" : dossier, Etroit(courant)));
}

std::vector<std::string> Arguments()
{
    std::vector<std::string> arguments;
    int argc = 0;
    if (wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 0; i < argc; ++i)
            arguments.push_back(Etroit(argv[i]));
        LocalFree(argv);
    }
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // One of each, for the program's whole life.
    ObjetsDuProgramme programme;
    EntrerDossierDonnees(Arguments(), programme.ports);

    Fenetres fenetres(programme.session, programme.ports, MetriquesEcranPrincipal());

    MSG m;
    while (!fenetres.Termine() && GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (fenetres.Previsualiser(m))
            continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
