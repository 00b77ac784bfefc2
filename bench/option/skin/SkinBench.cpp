// Window outlines from masks: the batched build against adding the runs to
// a region one at a time; and building the largest window from its skin.
//
//   build/bench/skin_bench [--benchmark_filter=...]
//
// The window benchmark needs the generated skin set in build/bin/skins/.
#include "option/skin/SkinImage.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

namespace orvyn {
namespace {

// A full-HD mask of vertical stripes `period` pixels apart, half opaque.
QImage stripedMask(int period) {
    QImage mask(1920, 1080, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < mask.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            if (x % period < period / 2)
                row[x] = qRgb(0, 0, 0);
    }
    return mask;
}

void BM_RegionFromMask_Batched(benchmark::State &state) {
    const QImage mask = stripedMask(static_cast<int>(state.range(0)));
    std::size_t rects = 0;
    for (auto _ : state) {
        auto outline = RegionFromMask(mask, kMaskTransparent, kMaskTolerance);
        rects = static_cast<std::size_t>(outline->rectCount());
        benchmark::DoNotOptimize(outline);
    }
    state.counters["runs"] = static_cast<double>(maskRuns(mask, kMaskTransparent, kMaskTolerance).size());
    state.counters["rects"] = static_cast<double>(rects);
}
BENCHMARK(BM_RegionFromMask_Batched)->Arg(64)->Arg(16)->Unit(benchmark::kMillisecond);

// The classic way: every run OR-ed into a new region.
void BM_RegionOneByOne_United(benchmark::State &state) {
    const QImage mask = stripedMask(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QRegion outline;
        for (const QRect &run : maskRuns(mask, kMaskTransparent, kMaskTolerance))
            outline = outline.united(run);
        benchmark::DoNotOptimize(outline);
    }
}
BENCHMARK(BM_RegionOneByOne_United)->Arg(64)->Iterations(1)->Unit(benchmark::kMillisecond);

// In-place adds, which Qt appends when they come in row order.
void BM_RegionOneByOne_InPlace(benchmark::State &state) {
    const QImage mask = stripedMask(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QRegion outline;
        for (const QRect &run : maskRuns(mask, kMaskTransparent, kMaskTolerance))
            outline += run;
        benchmark::DoNotOptimize(outline);
    }
}
BENCHMARK(BM_RegionOneByOne_InPlace)->Arg(64)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_BuildConfigWindow(benchmark::State &state) {
    const QString file = QString::fromLatin1(ConfigWindowSkin::kFile);
    if (!QFileInfo::exists(skinFolder() + file)) {
        state.SkipWithError("no skin set: build the skins (skin_Config.ini) into the program folder first");
        return;
    }
    for (auto _ : state) {
        SkinnedDialog window(SkinWindowKind::ModalPopup);
        window.loadSkin(file, pushButtons(ConfigWindowSkin::kButtons));
        benchmark::DoNotOptimize(window.outline());
    }
}
BENCHMARK(BM_BuildConfigWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    if (std::getenv("ORVYN_SKIN_FOLDER") != nullptr)
        orvyn::setSkinFolder(QString::fromLocal8Bit(std::getenv("ORVYN_SKIN_FOLDER")));
    else
        orvyn::setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
