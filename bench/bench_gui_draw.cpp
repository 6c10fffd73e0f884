// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one whole-view draw of the table view on a 1920 x 1080 window: table,
// widgets, aim aids, aim line and balls, presented to the window; and of one
// pointer move while aiming, its step of the set-up included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

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

// The left button held on the white ball, the pointer swept to and fro along
// a row of the table: each move redraws the aim line and its aids.
void BM_AimMove1920x1080(benchmark::State& state)
{
    ShownView shown(0, 0);
    CMirobeltView& view = shown.view;
    view.OnDraw(nullptr);
    const auto send = [&view](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    };
    send(QEvent::MouseButtonPress, {view.MapX(0.6), view.MapY(0.5)}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {view.MapX(0.9), view.MapY(0.7)}, Qt::NoButton, Qt::LeftButton);
    if (view.LatchedGesture() != 7)
    {
        state.SkipWithError("the press did not take the white ball to aim");
        return;
    }
    int step = 0;
    for (auto _ : state)
    {
        const int x = view.MapX(0.9) + (step++ % 400);
        send(QEvent::MouseMove, {x, view.MapY(0.7)}, Qt::NoButton, Qt::LeftButton);
        benchmark::DoNotOptimize(view.Picture().constBits());
    }
    send(QEvent::MouseButtonRelease, {view.MapX(0.9), view.MapY(0.7)}, Qt::LeftButton, Qt::NoButton);
}
}  // namespace

// Plain table; and the busiest picture: the spot-to-spot grid with the markers.
BENCHMARK(BM_OnDraw1920x1080)
    ->Args({0, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_AimMove1920x1080)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
