// One full repaint of the board widget for the largest boards, on a 1920 x 1080 screen at 96
// pixels per inch (factors 2.4 and 1.8), every cell and wall of the board shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "session/NouvellePartie.h"
#include "session/SessionAutonome.h"

using namespace cogitelle;

namespace {

struct Plateau {
    SessionAutonome session;
    std::unique_ptr<PlateauWidget> widget;

    Plateau(TTypeJeu type, int32_t numero, double fx, double fy)
    {
        GameState& g = *session.etat;
        g.FacteurEcranX = fx;
        g.FacteurEcranY = fy;
        session.controles->panelCentral.SetBiseauInterieur(Biseau::Releve);
        session.Jouer(type, numero);
        // The worst case: every cell shown with a three-digit caption, every wall standing.
        Controles& k = *session.controles;
        const int32_t n = g.NbColonnes, B = g.AvecBordure;
        for (int32_t x = 1 - B; x <= n + B; ++x)
            for (int32_t y = 1 - B; y <= n + B; ++y) {
                k.Cases[x][y].SetVisible(true);
                k.Cases[x][y].SetCaption(std::to_string(100 + 7 * x + y));
            }
        if (g.EcartCases > 0) {
            for (int32_t x = 1; x < n; ++x)
                for (int32_t y = 1; y <= n; ++y) {
                    k.MursDroits[x][y].SetVisible(true);
                    k.MursBas[y][x].SetVisible(true);
                }
            for (int32_t x = 1; x < n; ++x)
                for (int32_t y = 1; y < n; ++y)
                    k.MursBasDroits[x][y].SetVisible(true);
        }
        widget = std::make_unique<PlateauWidget>(session.session);
        widget->Synchroniser();
    }
};

void Repeindre(benchmark::State& state, TTypeJeu type, int32_t numero, qreal dpr)
{
    Plateau p(type, numero, 2.4, 1.8);
    QImage image(p.widget->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        p.widget->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["largeur"] = p.widget->width();
    state.counters["hauteur"] = p.widget->height();
}

void BM_RepeindreLabyrinthe500(benchmark::State& s) { Repeindre(s, Labyrinthe, 500, 1); }
void BM_RepeindreMemoire500(benchmark::State& s) { Repeindre(s, Memoire, 500, 1); }
void BM_RepeindreCarreMagique500(benchmark::State& s) { Repeindre(s, CarreMagique, 500, 1); }
// The same boards on a screen of device pixel ratio 2.
void BM_RepeindreLabyrinthe500Ratio2(benchmark::State& s) { Repeindre(s, Labyrinthe, 500, 2); }
void BM_RepeindreMemoire500Ratio2(benchmark::State& s) { Repeindre(s, Memoire, 500, 2); }

BENCHMARK(BM_RepeindreLabyrinthe500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeindreMemoire500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeindreCarreMagique500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeindreLabyrinthe500Ratio2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeindreMemoire500Ratio2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallerSubstitutionsPolices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
