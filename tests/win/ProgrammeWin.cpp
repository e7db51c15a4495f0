#include "ProgrammeWin.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace cogitelle::test {

namespace {

uint32_t Crc(const uint8_t* octets, size_t n, uint32_t crc = 0xFFFFFFFFu)
{
    for (size_t i = 0; i < n; ++i) {
        crc ^= octets[i];
        for (int b = 0; b < 8; ++b)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

void Grand(std::vector<uint8_t>& v, uint32_t x)
{
    for (int d = 24; d >= 0; d -= 8)
        v.push_back(static_cast<uint8_t>(x >> d));
}

void Morceau(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& donnees)
{
    Grand(png, static_cast<uint32_t>(donnees.size()));
    std::vector<uint8_t> corps(type, type + 4);
    corps.insert(corps.end(), donnees.begin(), donnees.end());
    png.insert(png.end(), corps.begin(), corps.end());
    Grand(png, ~Crc(corps.data(), corps.size()));
}

} // namespace

Couleur Image::Pixel(int x, int y) const
{
    const uint32_t p = pixels.at(static_cast<size_t>(y) * static_cast<size_t>(largeur) + static_cast<size_t>(x));
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Image::Sauver(const std::string& chemin) const
{
    // RGB rows, each after its filter byte, in stored (uncompressed) deflate blocks.
    std::vector<uint8_t> brut;
    for (int y = 0; y < hauteur; ++y) {
        brut.push_back(0);
        for (int x = 0; x < largeur; ++x) {
            const uint32_t p = pixels[static_cast<size_t>(y) * static_cast<size_t>(largeur) + static_cast<size_t>(x)];
            brut.insert(brut.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
        }
    }
    std::vector<uint8_t> zlib{0x78, 0x01};
    for (size_t debut = 0; debut < brut.size() || debut == 0; debut += 65535) {
        const size_t n = std::min<size_t>(65535, brut.size() - debut);
        zlib.push_back(debut + n >= brut.size() ? 1 : 0);
        zlib.insert(zlib.end(), {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(~n),
                                    static_cast<uint8_t>(~n >> 8)});
        zlib.insert(zlib.end(), brut.begin() + static_cast<ptrdiff_t>(debut), brut.begin() + static_cast<ptrdiff_t>(debut + n));
        if (n == 0)
            break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t o : brut) {
        a = (a + o) % 65521;
        b = (b + a) % 65521;
    }
    Grand(zlib, (b << 16) | a);
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> entete;
    Grand(entete, static_cast<uint32_t>(largeur));
    Grand(entete, static_cast<uint32_t>(hauteur));
    entete.insert(entete.end(), {8, 2, 0, 0, 0});   // 8 bits, RGB
    Morceau(png, "IHDR", entete);
    Morceau(png, "IDAT", zlib);
    Morceau(png, "IEND", {});
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

Image Capturer(HWND fenetre)
{
    RedrawWindow(fenetre, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetClientRect(fenetre, &r);
    Image im;
    im.largeur = r.right;
    im.hauteur = r.bottom;
    im.pixels.resize(static_cast<size_t>(im.largeur) * static_cast<size_t>(im.hauteur));
    HDC ecran = GetDC(fenetre);
    HDC memoire = CreateCompatibleDC(ecran);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = im.largeur;
    bi.bmiHeader.biHeight = -im.hauteur;   // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(memoire, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ avant = SelectObject(memoire, image);
    BitBlt(memoire, 0, 0, im.largeur, im.hauteur, ecran, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < im.pixels.size(); ++i)
        im.pixels[i] = p[i] & 0xFFFFFF;
    SelectObject(memoire, avant);
    DeleteObject(image);
    DeleteDC(memoire);
    ReleaseDC(fenetre, ecran);
    return im;
}

void Pomper(Fenetres& f, int millisecondes)
{
    const ULONGLONG fin = GetTickCount64() + static_cast<ULONGLONG>(millisecondes);
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (f.Previsualiser(m))
                continue;
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        if (millisecondes > 0)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < fin);
}

RECT Place(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

CoeurWin::CoeurWin(MagasinOptions* autreMagasin, const std::string& cheminScores)
    : session(ports, autreMagasin ? *autreMagasin : magasin,
          cheminScores.empty() ? (dossier.chemin() / "scoresI").string() : cheminScores)
{
    ports.SetTitre(session.etat.Titre);
}

void ExpectRect(const RECT& r, int gauche, int haut, int largeur, int hauteur)
{
    EXPECT_EQ(r.left, gauche);
    EXPECT_EQ(r.top, haut);
    EXPECT_EQ(r.right - r.left, largeur);
    EXPECT_EQ(r.bottom - r.top, hauteur);
}

void Garder(const Image& im, const std::string& nom)
{
    std::filesystem::create_directories(COGITELLE_CAPTURES);
    EXPECT_TRUE(im.Sauver(std::string(COGITELLE_CAPTURES) + "/" + nom + ".png")) << nom;
}

ProgrammeWin::ProgrammeWin(MetriquesEcran ecran, MagasinOptions* autreMagasin, const std::string& cheminScores)
    : coeur(autreMagasin, cheminScores), f(coeur.session, coeur.ports, ecran)
{
    Pomper(f);
}

void ProgrammeWin::Demarrer()
{
    Touche(VK_RETURN, f.Ecran().Fenetre());
    // The start timer's tick opens the chooser.
    const ULONGLONG limite = GetTickCount64() + 3000;
    while (!IsWindowVisible(f.Choix().Fenetre()) && GetTickCount64() < limite)
        Pomper(f, 10);
}

void ProgrammeWin::Jouer(TTypeJeu type, int32_t numero, const std::string& nom)
{
    if (!IsWindowVisible(f.Math().Fenetre()))
        Demarrer();
    // As the chooser confirms a game: it closes, the main window is enabled, the game starts.
    g().TypeJeu = type;
    g().NumeroTableau = numero;
    g().NomJoueur = nom;
    f.Choix().Cacher();
    coeur.session.Principale().Enabled = true;
    f.Math().Executer([this] { coeur.session.NouvellePartie(); });
    Pomper(f);
}

namespace {

LPARAM Centre(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

} // namespace

void ProgrammeWin::Cliquer(const Controle& c, bool droit)
{
    const LPARAM ou = Centre(f.Math().Board().RectDe(c));
    PostMessageW(Plateau(), droit ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, droit ? MK_RBUTTON : MK_LBUTTON, ou);
    PostMessageW(Plateau(), droit ? WM_RBUTTONUP : WM_LBUTTONUP, 0, ou);
    Pomper(f);
}

void ProgrammeWin::DoubleCliquer(const Controle& c)
{
    const LPARAM ou = Centre(f.Math().Board().RectDe(c));
    PostMessageW(Plateau(), WM_LBUTTONDOWN, MK_LBUTTON, ou);
    PostMessageW(Plateau(), WM_LBUTTONUP, 0, ou);
    PostMessageW(Plateau(), WM_LBUTTONDBLCLK, MK_LBUTTON, ou);
    PostMessageW(Plateau(), WM_LBUTTONUP, 0, ou);
    Pomper(f);
}

void ProgrammeWin::CliquerFenetre(HWND p)
{
    RECT r{};
    GetClientRect(p, &r);
    PostMessageW(p, WM_LBUTTONDOWN, MK_LBUTTON, Centre(r));
    PostMessageW(p, WM_LBUTTONUP, 0, Centre(r));
    Pomper(f);
}

void ProgrammeWin::Touche(WPARAM codeVirtuel, HWND fenetre)
{
    if (!fenetre)
        fenetre = f.Math().Fenetre();
    // The key's scan code too: the loop's TranslateMessage makes the character from it.
    const LPARAM balayage = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(codeVirtuel), MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(fenetre, WM_KEYDOWN, codeVirtuel, balayage | 1);
    PostMessageW(fenetre, WM_KEYUP, codeVirtuel, balayage | static_cast<LPARAM>(0xC0000001u));
    Pomper(f);
}

} // namespace cogitelle::test
