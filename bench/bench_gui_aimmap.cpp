// SPDX-License-Identifier: GPL-3.0-or-later
// The map of scoring aims in the window: the time from a change of the set-up
// (the cue ball moved) to the ring drawn again around its new place, with the
// computation on its worker threads and the window's event loop running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include <cstdlib>
#include <vector>

#include "finder/gui/AimMapController.h"
#include "finder/gui/AimMapOverlay.h"
#include "finder/gui/ShotFinderPanel.h"
#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/MirobeltDoc.h"
#include "view/MirobeltView.h"

namespace
{
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

// state.range(0): the game's place in the panel's list (0 libre, 2 three-cushion).
void BM_AimMapRingAfterTheCueBallMoved(benchmark::State& state)
{
    EnsureApplication();
    ResetDrawingState();
    CMirobeltDoc doc{nullptr};
    CMirobeltView view{&doc};
    view.MarkFirstDrawDone();
    view.resize(1280, 800);
    view.show();
    ShotFinderPanel panel(&view);
    panel.GameChoice()->setCurrentIndex(static_cast<int>(state.range(0)));
    SetUpModel* model = view.Model();
    TableSetUp setUp = model->Current();
    setUp.balls[0] = {0.6, 0.64};
    setUp.balls[1] = {1.2, 0.6};
    setUp.balls[2] = {1.2, 0.68};
    setUp.cueBall = 1;
    setUp.force = 0.3;
    model->Change(setUp, QStringLiteral("bench"));
    panel.show();
    PumpPendingMessages();
    AimMapOverlay* ring = panel.AimRingOverlay();
    int step = 0;
    for (auto _ : state)
    {
        setUp.balls[0].x = 0.5 + 0.01 * (++step % 20);  // a new place each time
        model->Change(setUp, QStringLiteral("bench"));
        while (!ring->RingShown() && panel.AimMap()->Computing())
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        QApplication::processEvents();  // the ring's paint
        benchmark::DoNotOptimize(ring->Arcs().size());
    }
    state.counters["arcs"] = static_cast<double>(ring->Arcs().size());
}
// The window's part alone: a map of 40 arcs handed over, the ring placed,
// masked and painted.
void BM_AimMapRingRedraw(benchmark::State& state)
{
    EnsureApplication();
    ResetDrawingState();
    CMirobeltDoc doc{nullptr};
    CMirobeltView view{&doc};
    view.MarkFirstDrawDone();
    view.resize(1280, 800);
    view.show();
    PumpPendingMessages();
    view.OnDraw(nullptr);
    AimMapController map;
    AimMapOverlay ring(&view, &map);
    std::vector<AimArc> arcs(40);
    for (std::size_t k = 0; k < arcs.size(); ++k)
    {
        arcs[k].startDegrees = 9.0 * static_cast<double>(k);
        arcs[k].widthDegrees = 0.05 * static_cast<double>(k + 1);
        arcs[k].endDegrees = arcs[k].startDegrees + arcs[k].widthDegrees;
    }
    for (auto _ : state)
    {
        emit map.mapReady(arcs);
        ring.repaint();
    }
}
BENCHMARK(BM_AimMapRingRedraw)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_AimMapRingAfterTheCueBallMoved)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
}  // namespace
