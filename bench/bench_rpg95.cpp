// The cost of a section switch on the RPG95 page, through the real window:
// "Sektion wechseln" cuts the next 128 x 512 section out of the picture held
// since the load, hands it to the source clip and recuts the source preview —
// against its floor, a bare copy of 128 x 512 pixels and a 105 x 105 scale of
// a 16 x 16 piece.

#include "benchsupport.h"

#include "app/mainform.h"
#include "picture/picturefile.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

QImage rpg95ChipSet()
{
    QImage picture(256, 1024, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return picture;
}

struct Bench
{
    QTemporaryDir folder;
    FixedDialogs dialogs;
    std::unique_ptr<MainForm> window;
    QPushButton *switchButton = nullptr;
    QImage whole = rpg95ChipSet();

    Bench()
    {
        setProgramFolder(folder.path());
        dialogs.name = folder.filePath(QStringLiteral("rpg95.bmp"));
        SavePicture(whole, dialogs.name);
        window = std::make_unique<MainForm>(dialogs);
        window->findChild<QPushButton *>(QStringLiteral("CLoadQr"))->click();
        switchButton = window->findChild<QPushButton *>(QStringLiteral("wechseln"));
    }
};

Bench *g_bench = nullptr;

void BM_SectionSwitch(benchmark::State &state)
{
    for (auto _ : state)
        g_bench->switchButton->click();
}

void BM_BareCopyAndScale(benchmark::State &state)
{
    int section = 0;
    for (auto _ : state) {
        const QImage cut = g_bench->whole.copy((section % 2) * 128, (section / 2) * 512, 128, 512);
        benchmark::DoNotOptimize(cut.copy(0, 0, 16, 16).scaled(105, 105, Qt::IgnoreAspectRatio,
                                                                 Qt::FastTransformation));
        section = (section + 1) % 4;
    }
}

BENCHMARK(BM_SectionSwitch)->Apply(medianOfFive);
BENCHMARK(BM_BareCopyAndScale)->Apply(medianOfFive);

} // namespace

int main(int argc, char **argv)
{
    preferOffscreen();
    QApplication app(argc, argv);
    Bench bench;
    g_bench = &bench;
    std::map<std::string, double> medians = runBenchmarks(argc, argv);

    const double sectionSwitch = medians["BM_SectionSwitch"];
    const double floor = medians["BM_BareCopyAndScale"];
    if (sectionSwitch > 0 && floor > 0)
        std::printf("section switch / bare copy and scale: %.2f (goal: at most 2.00)\n",
                    sectionSwitch / floor);
    return 0;
}
