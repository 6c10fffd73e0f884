// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "sim/ShotPhysics.h"

// The edge cases of the step operations that whole shots do not reach (whole
// shots are pinned in ShotTest).
TEST(Motion, RestCoincidentCentresAndPlacesOutsideTheSpan)
{
    auto p = std::make_unique<CShotPhysics>();
    BallState &ball = p->m_work[0], &other = p->m_work[1];
    auto same = [](const BallState& a, const BallState& b) { return std::memcmp(&a, &b, sizeof a) == 0; };

    // Side spin alone is rest; touching balls at rest do not collide.
    ball = {0.25, 0.25, 0, 0, 0, 0, 2};
    other = {0.25 + p->m_dDiameter, 0.25, 0, 0, 0, 0, 0};
    const BallState a = ball, b = other;
    EXPECT_EQ(p->StepBall(0, 0.0005), 0);
    p->CollideBalls(0, 1);
    EXPECT_TRUE(same(ball, a) && same(other, b));

    ball = {-0.01, p->m_dSpanY + 0.01, 0, 0, 1, 1, 1};  // outside the span at rest: not put back
    const BallState outside = ball;
    p->CheckCushions(0);
    EXPECT_TRUE(same(ball, outside));

    // Coincident centres: no normal, no NaN, gearing still applies: the ball with more
    // side spin keeps sqrt(0.975) of it and gives the other -sqrt(0.025) of it.
    for (const bool firstSpins : {true, false})
    {
        ball = {0.5, 0.25, 1, 0.5, 0, 0, firstSpins ? 1.0 : 0.0};
        other = {0.5, 0.25, 0, 0, 0, 0, firstSpins ? 0.0 : 1.0};
        p->CollideBalls(0, 1);
        EXPECT_TRUE(ball.vx == 1 && ball.vy == 0.5 && other.vx == 0 && other.vy == 0);
        EXPECT_EQ(std::pair(ball.wz, other.wz), firstSpins ? std::pair(0.9874208829065749, -0.15811388300841897)
                                                           : std::pair(-0.15811388300841897, 0.9874208829065749));
    }

    // Sliding along one axis that ends within the step: the step keeps the velocity, less the rolling loss.
    const double spin = 1 / p->m_dRadius - 1e-9;
    for (const bool alongX : {true, false})
    {
        ball = alongX ? BallState{0.5, 0.5, 1, 0, 0, -spin, 0} : BallState{0.5, 0.5, 0, 1, spin, 0, 0};
        EXPECT_EQ(p->StepBall(0, 0.0005), 1);
        EXPECT_DOUBLE_EQ(alongX ? ball.vx : ball.vy, 0.9999985) << alongX;  // 0.003 m/s² of rolling loss
        EXPECT_EQ(alongX ? ball.vy : ball.vx, 0) << alongX;
    }

    ball = {p->m_dSpanX + 0.01, 0.5, 2, 0, 0, 0, 0};  // square cushion hit: put back, not mirrored
    p->CheckCushions(0);
    EXPECT_EQ(ball.x, p->m_dSpanX - 1e-5);
    EXPECT_NEAR(ball.vx, -1.96, 1e-12);
}
