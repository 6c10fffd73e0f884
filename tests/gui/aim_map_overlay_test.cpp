// SPDX-License-Identifier: GPL-3.0-or-later
// The map of scoring aims on the table: the ring follows the cue ball, a
// click on an arc aims along its middle, and the view's picture stays its own.

#include <QUndoStack>

#include <cmath>
#include <numbers>

#include "../finder/FinderFixture.h"
#include "GuiTestSupport.h"
#include "diagram/AimMapRing.h"
#include "finder/gui/AimMapController.h"
#include "finder/gui/AimMapOverlay.h"
#include "finder/gui/ShotFinderPanel.h"

namespace
{

// The point of the ring's band in direction degrees.
QPointF OnBand(const AimRing& ring, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return ring.centre + QPointF(std::cos(radians), std::sin(radians)) * ring.radius;
}

class AimMapOnTable : public ::testing::Test, protected FrameHarness
{
protected:
    void SetUp() override
    {
        panel = frame->FinderPanel();
        view = frame->View();
        overlay = panel->AimRingOverlay();
        model = view->Model();
        // Straight ahead scores at libre (see CannonSetup).
        const ShotSetup s = CannonSetup();
        TableSetUp next = model->Current();
        for (int b = 0; b < 3; ++b)
            next.balls[b] = {s.balls[b].x, s.balls[b].y};
        next.cueBall = s.cueBall;
        next.force = s.force;
        model->Change(next, QStringLiteral("test"));
        frame->resize(1600, 900);  // room for the table beside the panel
        PumpPendingMessages();
        view->OnDraw(nullptr);  // the table laid out, as the first paint does
        panel->GameChoice()->setCurrentIndex(0);  // Libre
        QObject::connect(panel->AimMap(), &AimMapController::mapReady, &receiver,
                         [this](const std::vector<AimArc>&) { ++maps; });
        EXPECT_FALSE(panel->AimMapShown());  // no map while the panel is closed
        frame->CommandAction(ID_FIND_SHOT)->trigger();
    }
    bool WaitForRing() { return WaitFor([this] { return overlay->RingShown(); }, 60000); }
    QPointF CueBallOnScreen() const
    {
        const BallPlace& cue = model->Current().balls[model->Current().cueBall - 1];
        return {static_cast<double>(view->MapX(cue.x)), static_cast<double>(view->MapY(cue.y))};
    }
    // The widest arc, the easiest to hit.
    const AimArc& WidestArc() const
    {
        const auto& arcs = overlay->Arcs();
        return *std::max_element(arcs.begin(), arcs.end(),
                                 [](const AimArc& a, const AimArc& b) { return a.widthDegrees < b.widthDegrees; });
    }

    ShotFinderPanel* panel = nullptr;
    CMirobeltView* view = nullptr;
    AimMapOverlay* overlay = nullptr;
    SetUpModel* model = nullptr;
    QObject receiver;
    int maps = 0;
};

TEST_F(AimMapOnTable, TheRingIsDrawnAroundTheCueBallAndFollowsItWithTheLastMapOnly)
{
    // On when the panel opens; straight ahead scores: an arc holds the direction 0.
    ASSERT_TRUE(WaitForRing());
    EXPECT_EQ(panel->AimMapChoice()->text(), QString::fromUtf8("Carte des visées"));
    EXPECT_EQ(panel->AimMap()->Arcs().size(), overlay->Arcs().size());
    EXPECT_TRUE(std::any_of(overlay->Arcs().begin(), overlay->Arcs().end(),
                            [](const AimArc& arc) { return arc.startDegrees == 0 || arc.endDegrees >= 360; }));
    EXPECT_EQ(overlay->Ring().centre, CueBallOnScreen());
    EXPECT_EQ(overlay->geometry(), view->rect());

    // The overlay's own picture: the widest arc in its colour on the band,
    // nothing at the ball's centre or off the band.
    const auto check = [&] {
        const QImage grab = overlay->grab().toImage();
        const AimArc& arc = WidestArc();
        const QPointF middle = OnBand(overlay->Ring(), arc.MiddleDegrees()) * grab.devicePixelRatio();
        EXPECT_EQ(grab.pixel(middle.toPoint()), AimWindowColour(arc.widthDegrees).rgb()) << arc.MiddleDegrees();
        const QPointF centre = overlay->Ring().centre * grab.devicePixelRatio();
        EXPECT_EQ(qAlpha(grab.pixel(centre.toPoint())), 0);
        // Clicks off the band go to the view.
        EXPECT_TRUE(overlay->mask().contains(OnBand(overlay->Ring(), arc.MiddleDegrees()).toPoint()));
        EXPECT_FALSE(overlay->mask().contains(overlay->Ring().centre.toPoint()));
    };
    check();

    // The cue ball moved twice at once: the ring is off until the map of the
    // last place comes, the map of the first is dropped.
    maps = 0;
    TableSetUp next = model->Current();
    next.balls[0].y += 0.05;
    model->Change(next, QStringLiteral("first"));
    EXPECT_FALSE(overlay->RingShown());
    next.balls[0].x -= 0.2;
    model->Change(next, QStringLiteral("second"));
    ASSERT_TRUE(WaitForRing());
    ASSERT_TRUE(WaitFor([&] { return !panel->AimMap()->Computing(); }, 10000));
    EXPECT_EQ(maps, 1);
    EXPECT_EQ(overlay->Ring().centre, CueBallOnScreen());
    EXPECT_EQ(view->MapX(next.balls[0].x), overlay->Ring().centre.x());
    check();

    // The map is no part of the view's picture.
    const QImage withRing = view->Picture().copy();
    panel->AimMapChoice()->setChecked(false);
    EXPECT_FALSE(overlay->RingShown());
    EXPECT_TRUE(panel->AimMap()->Arcs().empty());
    EXPECT_FALSE(panel->AimMap()->Computing());
    EXPECT_EQ(view->Picture(), withRing);
}

TEST_F(AimMapOnTable, AClickOnAnArcAimsAlongItsMiddleAsOneUndoStep)
{
    ASSERT_TRUE(WaitForRing());
    const AimArc arc = WidestArc();
    const int steps = model->UndoStack()->index();
    const QPointF point = OnBand(overlay->Ring(), arc.MiddleDegrees());
    QMouseEvent press(QEvent::MouseButtonPress, point, overlay->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(overlay, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, overlay->mapToGlobal(point), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(overlay, &release);

    const AimLine& aim = model->Current().aim;
    const double degrees = std::atan2(aim.targetY - aim.originY, aim.targetX - aim.originX) * 180 / std::numbers::pi;
    EXPECT_NEAR(std::remainder(degrees - arc.MiddleDegrees(), 360.0), 0, 1e-4);
    EXPECT_EQ(model->UndoStack()->index(), steps + 1);
    // The aim alone changed: the ring stays, no new map is asked for.
    EXPECT_TRUE(overlay->RingShown());
    EXPECT_FALSE(panel->AimMap()->Computing());
}

TEST(AimMapRing, ColoursHitsAndBand)
{
    EXPECT_EQ(AimWindowColour(0.01), QColor(255, 0, 0));
    EXPECT_EQ(AimWindowColour(kNarrowWindowDegrees), QColor(255, 0, 0));
    EXPECT_EQ(AimWindowColour(kWideWindowDegrees), QColor(0, 255, 0));
    EXPECT_EQ(AimWindowColour(0.5), QColor(255, 255, 0));  // halfway on the scale: yellow
    const AimRing ring{QPointF(100, 100), 30, 8, 3};
    // One arc across the direction 0, one narrow one pointing down.
    const auto arc = [](double start, double width) {
        AimArc a;
        a.startDegrees = start, a.endDegrees = start + width, a.widthDegrees = width;
        return a;
    };
    const std::vector<AimArc> arcs = {arc(350, 20), arc(90, 0.01)};
    EXPECT_EQ(AimArcAt(ring, arcs, {130, 100}), 0);
    EXPECT_EQ(AimArcAt(ring, arcs, {130, 98}), 0);   // past 360
    EXPECT_EQ(AimArcAt(ring, arcs, {101, 130}), 1);  // within the minimum length
    EXPECT_EQ(AimArcAt(ring, arcs, {100, 70}), -1);  // up: no arc
    EXPECT_EQ(AimArcAt(ring, arcs, {110, 100}), -1); // inside the band
    EXPECT_EQ(AimArcAt(ring, arcs, {150, 100}), -1); // outside it
    EXPECT_DOUBLE_EQ(RingDirection(ring, {100, 130}), 90);
    const QRegion band = AimRingRegion(ring);
    EXPECT_TRUE(band.contains(QPoint(130, 100)));
    EXPECT_FALSE(band.contains(QPoint(100, 100)));
    EXPECT_FALSE(band.contains(QPoint(140, 140)));
}

}  // namespace
