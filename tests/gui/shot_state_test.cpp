// SPDX-License-Identifier: GPL-3.0-or-later
// What a played shot leaves behind, the colours the aim aids erase with,
// and when exports keep a shot's trajectories.

#include "GuiTestSupport.h"
#include "view/ViewDiagram.h"
#include "setup/gui/SetUpModel.h"
#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

namespace
{
class ShotState : public ViewTest<600, 400> {};

QRgb RgbOf(COLORREF colour)
{
    return Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
}  // namespace

TEST_F(ShotState, TheGhostBallIsErasedWithTheClothAndTheStripFollowsEveryAim)
{
    h.Draw();
    std::tie(Edit(v)->balls[0].x, Edit(v)->balls[0].y, Edit(v)->balls[1].x, Edit(v)->balls[1].y) = std::tuple(0.5, 0.5, 1.0, 0.5);
    std::tie(Edit(v)->balls[2].x, Edit(v)->balls[2].y) = std::pair(2.0, 1.0);
    h.Draw();
    const QPoint white(v.MapX(0.5), v.MapY(0.5));
    Mouse(v, QEvent::MouseButtonPress, white, Qt::LeftButton, Qt::LeftButton);
    Mouse(v, QEvent::MouseMove, {v.MapX(0.98), v.MapY(0.5)}, Qt::NoButton, Qt::LeftButton);  // near the red ball
    const double ghostX = 1.0 - 2 * v.m_dBallRadius;
    const QPoint top(v.MapX(ghostX), v.MapY(0.5) - v.m_nBallRadiusPx);
    EXPECT_NE(h.Pixel(top.x(), top.y()), RgbOf(kClothColour));  // the ghost's outline
    const QImage nearRed = v.Picture().copy();
    Mouse(v, QEvent::MouseMove, {v.MapX(1.0), v.MapY(0.62)}, Qt::NoButton, Qt::LeftButton);  // 12 cm past the red ball
    Mouse(v, QEvent::MouseButtonRelease, {v.MapX(1.0), v.MapY(0.62)}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(h.Pixel(top.x(), top.y()), RgbOf(kClothColour));

    // The strip under the force bar changed with the aim; an undo brings it back.
    const int H = v.m_nDrawHeight;
    const int stripTop = H - H / 10 + std::max(H / 40, 6) + 5;
    const QRect strip(0, stripTop, 600, H - 2 - stripTop);
    EXPECT_NE(v.Picture().copy(strip), nearRed.copy(strip));
    v.Model()->Change(TableState{[&] {
                                     TableSetUp s = v.Model()->Current();
                                     s.aim.targetX = 0.98;
                                     s.aim.targetY = 0.5;
                                     return s;
                                 }(),
                                 v.Model()->List()},
                      QStringLiteral("la visée"));
    EXPECT_EQ(v.Picture().copy(strip), nearRed.copy(strip));
}

TEST_F(ShotState, ExportsKeepTheTrajectoriesWhileTheSetUpIsTheComputedOne)
{
    h.Draw();
    SetUpShortShot(v);
    EXPECT_TRUE(v.Model()->ShotIsOfCurrentSetUp());
    Mouse(v, QEvent::MouseMove, {300, 200}, Qt::NoButton, Qt::NoButton);  // hovering sets the changed flag only
    EXPECT_EQ(v.m_bSetupChanged, 1);
    EXPECT_TRUE(v.Model()->ShotIsOfCurrentSetUp());
    EXPECT_FALSE(DiagramOfView(v, v.Model()->ShotIsOfCurrentSetUp()).trajectories[0].empty());

    Key(v, Qt::Key_F7);  // a degree of raise: another set-up
    EXPECT_FALSE(v.Model()->ShotIsOfCurrentSetUp());
    v.Model()->Undo();  // the same values again
    EXPECT_TRUE(v.Model()->ShotIsOfCurrentSetUp());
}
