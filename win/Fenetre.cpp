#include "win/Fenetre.h"

namespace cogitelle {

void EnregistrerClasse(const wchar_t* nom, UINT style, HCURSOR curseur, bool dialogue)
{
    WNDCLASSEXW classe{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), nom, &classe))
        return;
    classe.cbSize = sizeof classe;
    classe.style = style;
    classe.lpfnWndProc = DefWindowProcW;
    classe.hInstance = GetModuleHandleW(nullptr);
    classe.hIcon = LoadIconW(classe.hInstance, MAKEINTRESOURCEW(1));
    classe.hIconSm = static_cast<HICON>(LoadImageW(classe.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    classe.hCursor = curseur;
    // Dialog-box extra bytes: IsDialogMessage keeps the focus and the default button there.
    classe.cbWndExtra = dialogue ? DLGWINDOWEXTRA : 0;
    classe.lpszClassName = nom;
    RegisterClassExW(&classe);
}

void Detruire(HWND fenetre)
{
    if (!fenetre)
        return;
    SetWindowLongPtrW(fenetre, GWLP_USERDATA, 0);
    DestroyWindow(fenetre);
}

LRESULT Effacer(HWND fenetre, WPARAM dc, HBRUSH fond)
{
    RECT r{};
    GetClientRect(fenetre, &r);
    FillRect(reinterpret_cast<HDC>(dc), &r, fond);
    return 1;
}

void PrendrePlaceProposee(HWND fenetre, LPARAM propose)
{
    const RECT* r = reinterpret_cast<const RECT*>(propose);
    SetWindowPos(fenetre, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace cogitelle
