// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one whole-view draw of the table view on a 1920 x 1080 window: table,
// widgets, aim aids, aim line and balls, presented to the window.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/MirobeltDoc.h"
#include "view/MirobeltView.h"

namespace
{
// The window system is chosen before the application object exists.
QApplication* MakeApplication()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "mirobelt_bench_gui";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}
QApplication* const s_application = MakeApplication();

struct ShownView
{
    ShownView(int frameStyle, int showMarkers)
    {
        ResetDrawingState();   // a new view is laid out afresh
        view.MarkFirstDrawDone();  // no demonstration file is read
        g_bShowMarkers = showMarkers;
        view.m_nFrameStyle = frameStyle;
        TableSetUp setUp = view.SetUp();
        setUp.balls[0] = {0.6, 0.5};
        setUp.balls[1] = {1.6, 0.45};
        setUp.balls[2] = {2.1, 0.9};
        setUp.aim = {0.6, 0.5, 1.6, 0.47};
        setUp.raiseAngle = 30;
        view.Model()->Change(setUp, QStringLiteral("bench"));
        view.resize(1920, 1080);
        view.show();
        PumpPendingMessages();
    }
    ~ShownView()
    {
        g_bShowMarkers = 0;
    }

    CMirobeltDoc doc{nullptr};
    CMirobeltView view{&doc};
};

void BM_OnDraw1920x1080(benchmark::State& state)
{
    ShownView shown(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    shown.view.OnDraw(nullptr);
    if (shown.view.m_nDrawWidth != 1930 || shown.view.m_nTableLengthPx < 1500)
    {
        state.SkipWithError("the view is not laid out at 1920 x 1080");
        return;
    }
    for (auto _ : state)
    {
        shown.view.OnDraw(nullptr);
        benchmark::DoNotOptimize(shown.view.Picture().constBits());
    }
}
}  // namespace

// Plain table; and the busiest picture: the spot-to-spot grid with the markers.
BENCHMARK(BM_OnDraw1920x1080)
    ->Args({0, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
