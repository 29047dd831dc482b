// The cost of the chip page's two hot handlers, through the real window:
// an arrow key in the source view, and Enter in the target view with its
// flatten through "dump.bmp" — against a bare save and load of the same
// 480 x 256 sheet in the same folder, the floor that flatten cannot beat.

#include "benchsupport.h"

#include "app/mainform.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

struct Bench
{
    QTemporaryDir folder;
    FixedDialogs dialogs;
    std::unique_ptr<MainForm> window;
    PictureView *pic1 = nullptr;
    PictureView *pic3 = nullptr;

    Bench()
    {
        setProgramFolder(folder.path());
        QImage source(480, 256, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        dialogs.name = folder.filePath(QStringLiteral("source.bmp"));
        SavePicture(source, dialogs.name);

        window = std::make_unique<MainForm>(dialogs);
        pic1 = window->findChild<PictureView *>(QStringLiteral("pic1"));
        pic3 = window->findChild<PictureView *>(QStringLiteral("pic3"));
        window->findChild<QPushButton *>(QStringLiteral("LoadQChip"))->click();
    }
};

Bench *g_bench = nullptr;

void key(QWidget *view, int qtKey)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
}

void BM_ArrowKeyInSource(benchmark::State &state)
{
    bool right = true;
    for (auto _ : state) {
        key(g_bench->pic1, right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
    }
}

void BM_EnterWithFlatten(benchmark::State &state)
{
    for (auto _ : state)
        key(g_bench->pic3, Qt::Key_Return);
}

void BM_BareSaveAndLoad(benchmark::State &state)
{
    const QImage sheet = g_bench->pic3->image();
    const QString path = programFile(QStringLiteral("floor.bmp"));
    for (auto _ : state) {
        SavePicture(sheet, path);
        benchmark::DoNotOptimize(LoadPicture(path));
    }
}

BENCHMARK(BM_ArrowKeyInSource)->Apply(medianOfFive);
BENCHMARK(BM_EnterWithFlatten)->Apply(medianOfFive);
BENCHMARK(BM_BareSaveAndLoad)->Apply(medianOfFive);

} // namespace

int main(int argc, char **argv)
{
    preferOffscreen();
    QApplication app(argc, argv);
    Bench bench;
    g_bench = &bench;
    std::map<std::string, double> medians = runBenchmarks(argc, argv);

    const double arrow = medians["BM_ArrowKeyInSource"];
    const double enter = medians["BM_EnterWithFlatten"];
    const double floor = medians["BM_BareSaveAndLoad"];
    if (arrow > 0)
        std::printf("arrow key median: %.1f us (goal: under 100 us)\n", arrow);
    if (enter > 0 && floor > 0)
        std::printf("Enter with flatten / bare save and load: %.2f (goal: at most 1.50)\n",
                    enter / floor);
    return 0;
}
