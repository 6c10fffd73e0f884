// SPDX-License-Identifier: GPL-3.0-or-later
// Shot animation on a 1920 x 1080 window: the cost of one frame (balls erased
// and drawn again with the markers in the back buffer, the block copy to the
// window and its presentation), and the processor time taken by a shot that
// plays for ten seconds, with the number of frames it showed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/MirobeltDoc.h"
#include "view/MirobeltView.h"

namespace
{
// One application object for the whole executable, whichever benchmark file
// makes it first; created on first use, after every static initializer ran.
void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "mirobelt_bench_gui";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// count samples per ball, one per unit of trajectory time, each ball crossing
// the table on its own line.
void FillCrossingTrajectories(CMirobeltDoc& doc, int count)
{
    const double rows[3] = {0.2, 0.6, 1.0};
    for (int b = 0; b < 3; ++b)
    {
        TrajectoryBuffer& traj = doc.m_physics.m_traj[b];
        traj.m_nCount = count;
        traj.m_nCursor = 0;
        for (int i = 0; i < count; ++i)
        {
            traj.x[i] = 0.1 + 2.3 * i / count;
            traj.y[i] = rows[b];
            traj.sampleNo[i] = static_cast<std::uint32_t>(i);
        }
    }
}

struct AnimatedView
{
    explicit AnimatedView(int samples)
    {
        // Each view lays itself out afresh, even at the size of an earlier one.
        ResetDrawingState();
        view.MarkFirstDrawDone();  // no demonstration file is read
        g_bShowMarkers = 1;
        for (int i = 0; i < kMarkerCount; ++i)
        {
            view.m_markers[i].x = 0.2 * i + 0.1;
            view.m_markers[i].y = 0.4;
        }
        view.resize(1920, 1080);
        view.show();
        PumpPendingMessages();
        view.OnDraw(nullptr);
        FillCrossingTrajectories(doc, samples);
        view.m_bSetupChanged = 0;  // play the trajectories above as they are
    }
    ~AnimatedView()
    {
        view.m_bAnimating = 0;
        view.m_bPlayLoop = 0;
        g_bShowMarkers = 0;
    }

    CMirobeltDoc doc{nullptr};
    CMirobeltView view{&doc};
};

void BM_AnimationFrame1920x1080(benchmark::State& state)
{
    EnsureApplication();
    AnimatedView animated(kTrajectoryCapacity);
    CMirobeltView& view = animated.view;
    view.m_bAnimating = 1;
    view.m_nAnimTick = 0;
    view.AnimateShotStep();  // the first frame draws the table into the back buffer

    std::vector<double> frameUs;
    for (auto _ : state)
    {
        // Frames are at least 5 ms apart.
        state.PauseTiming();
        QThread::msleep(6);
        const std::uint32_t tick = view.m_nAnimTick;
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        view.AnimateShotStep();
        frameUs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        benchmark::DoNotOptimize(view.m_nAnimTick);
        if (view.m_nAnimTick == tick)
            state.SkipWithError("a step drew no frame");
    }
    // The median, less disturbed than the mean by the other work of the machine.
    std::nth_element(frameUs.begin(), frameUs.begin() + frameUs.size() / 2, frameUs.end());
    state.counters["median_us"] = frameUs[frameUs.size() / 2];
}
BENCHMARK(BM_AnimationFrame1920x1080)->Unit(benchmark::kMicrosecond)->Iterations(300);

// Counts the paint events of a widget: one per frame shown.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A shot of 5000 samples plays for 10 s of wall time; the counters give the
// processor time the playing loop used meanwhile, and the pace: frames shown
// and milliseconds of wall time per unit of trajectory time.
void BM_PlayTenSecondShotCpu(benchmark::State& state)
{
    EnsureApplication();
    for (auto _ : state)
    {
        AnimatedView animated(5000);
        PaintCounter counter;
        animated.view.installEventFilter(&counter);
        const std::clock_t cpuStart = std::clock();
        const std::uint64_t wallStart = MillisecondClock();
        animated.view.OnShotPlay();
        while (animated.view.IsAnimating())
            WaitForNextMessage(0);
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wallMs = static_cast<double>(MillisecondClock() - wallStart);
        state.SetIterationTime(wallMs / 1000.0);
        state.counters["wall_ms"] = wallMs;
        state.counters["cpu_ms"] = cpuMs;
        state.counters["cpu_percent"] = wallMs > 0 ? 100.0 * cpuMs / wallMs : 0.0;
        state.counters["frames"] = counter.paints;
        state.counters["ms_per_unit"] = wallMs / 5000.0;
        animated.view.removeEventFilter(&counter);
    }
}
BENCHMARK(BM_PlayTenSecondShotCpu)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
}  // namespace
