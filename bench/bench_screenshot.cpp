// The screenshot pages' two handlers whose cost could grow with the picture:
// a scroll tick and a mouse placement with its source update, on a 4096 x 4096
// screenshot against a 489 x 457 one (exactly the viewport) in the same run.
// A tick moves a widget and a placement cuts a small piece, so neither may
// grow much with the picture. Also prints how much resident memory loading
// the large screenshot takes: the view and the source clip share one copy.

#include "benchsupport.h"

#include "app/mainform.h"
#include "app/tabcontrol.h"
#include "pages/screenshot/screenshotpage.h"
#include "picture/dialogs.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                             : 0;
}

QString writeScreenshot(const QTemporaryDir &folder, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff);
    }
    const QString path = folder.filePath(QStringLiteral("shot%1.bmp").arg(size.width()));
    SavePicture(picture, path);
    return path;
}

// One screenshot page of the window with a screenshot loaded into it.
struct ShotPage
{
    ScreenshotPage *page = nullptr;
    PictureView *view = nullptr;
};

struct Bench
{
    QTemporaryDir folder;
    FixedDialogs dialogs;
    std::unique_ptr<MainForm> window;
    ShotPage small;
    ShotPage large;
    double growthMb = 0;

    Bench()
    {
        setProgramFolder(folder.path());
        const QString smallFile = writeScreenshot(folder, QSize(489, 457));
        const QString largeFile = writeScreenshot(folder, QSize(4096, 4096));
        window = std::make_unique<MainForm>(dialogs);
        small = load(QStringLiteral("SSTab2"), QStringLiteral("cLoadQs"), QStringLiteral("spic1"),
                     smallFile);
        const double before = residentMb();
        large = load(QStringLiteral("CSTab2"), QStringLiteral("ccLoadQs"), QStringLiteral("cspic1"),
                     largeFile);
        growthMb = residentMb() - before;
    }

    ShotPage load(const QString &tabs, const QString &button, const QString &view,
                  const QString &file)
    {
        dialogs.name = file;
        window->findChild<QPushButton *>(button)->click();
        ShotPage shot;
        shot.page = window->findChild<TabControl *>(tabs)->findChild<ScreenshotPage *>();
        shot.view = window->findChild<PictureView *>(view);
        return shot;
    }
};

Bench *g_bench = nullptr;

ShotPage &pageFor(const benchmark::State &state)
{
    return state.range(0) == 4096 ? g_bench->large : g_bench->small;
}

void BM_ScrollTick(benchmark::State &state)
{
    ScreenshotPage *page = pageFor(state).page;
    bool right = true;
    for (auto _ : state) {
        if (right)
            page->SScrollSourceRight();
        else
            page->SScrollSourceLeft();
        right = !right;
    }
}

void BM_MousePlacement(benchmark::State &state)
{
    PictureView *view = pageFor(state).view;
    bool first = true;
    for (auto _ : state) {
        const QPointF at = first ? QPointF(100, 120) : QPointF(300, 200);
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        first = !first;
    }
}

BENCHMARK(BM_ScrollTick)->Arg(489)->Arg(4096)->Apply(medianOfFive);
BENCHMARK(BM_MousePlacement)->Arg(489)->Arg(4096)->Apply(medianOfFive);

} // namespace

int main(int argc, char **argv)
{
    preferOffscreen();
    QApplication app(argc, argv);
    Bench bench;
    g_bench = &bench;
    std::map<std::string, double> medians = runBenchmarks(argc, argv);

    const double pictureMb = 4096.0 * 4096.0 * 4 / (1024 * 1024);
    std::printf("resident growth loading 4096 x 4096: %.1f MB, %.2f x the picture's %.0f MB "
                "(goal: under 1.50)\n", bench.growthMb, bench.growthMb / pictureMb, pictureMb);
    const auto ratio = [&medians](const char *name) {
        const double small = medians[std::string(name) + "/489"];
        const double large = medians[std::string(name) + "/4096"];
        return small > 0 ? large / small : 0.0;
    };
    std::printf("scroll tick 4096 x 4096 / 489 x 457: %.2f (goal: at most 2.00)\n",
                ratio("BM_ScrollTick"));
    std::printf("mouse placement 4096 x 4096 / 489 x 457: %.2f (goal: at most 3.00)\n",
                ratio("BM_MousePlacement"));
    return 0;
}
