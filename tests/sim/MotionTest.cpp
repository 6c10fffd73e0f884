#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "sim/ShotPhysics.h"

namespace
{
class Motion : public ::testing::Test
{
protected:
    std::unique_ptr<CShotPhysics> p = std::make_unique<CShotPhysics>();
    BallState& ball = p->m_work[0];
    BallState& other = p->m_work[1];
    const double dt = 0.0005;
    const double R = 0.0305;
};

bool Same(const BallState& a, const BallState& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
}

TEST_F(Motion, RollingAndSlidingSteps)
{
    const double k = p->m_dSideSpinDecay * dt;
    ball = {0.5, 0.25, 0, 0, 0, -1 / R, 3};
    ball.vx = -(R * ball.wy);  // sliding velocity exactly 0, speed about 1
    const double v = ball.vx;
    ASSERT_EQ(p->StepBall(0, dt), 1);
    EXPECT_EQ(ball.vx, v * (v - 0.003 * dt) / v);  // only the rolling loss
    EXPECT_EQ(ball.wx, 0);
    EXPECT_EQ(ball.wy, -ball.vx / R);  // still rolling
    EXPECT_EQ(ball.x, 0.5 + v * dt);   // moved with the speed before the loss
    EXPECT_EQ(ball.wz, 3 - k);         // side spin decays while the ball moves

    ball = {0, 0, 1, 0, 0, (1e-4 - 1) / R, -0.75 * k};  // sliding 1e-4: reverses within the step
    p->StepBall(0, dt);
    EXPECT_EQ(ball.vx, 1 - 0.003 * dt);  // reaching rolling keeps the speed
    EXPECT_EQ(ball.wy, (0 - ball.vx) / R);
    EXPECT_EQ(ball.wz, 0);
}

TEST_F(Motion, BallsAtRestAreLeftAlone)
{
    // Side spin alone is rest; touching balls at rest do not collide.
    ball = {0.25, 0.25, 0, 0, 0, 0, 2};
    other = {0.25 + p->m_dDiameter, 0.25, 0, 0, 0, 0, 0};  // exactly 2R apart
    const BallState a = ball, b = other;
    EXPECT_EQ(p->StepBall(0, dt), 0);
    p->CollideBalls(0, 1);
    EXPECT_TRUE(Same(ball, a));
    EXPECT_TRUE(Same(other, b));

    ball = {-0.01, p->m_dSpanY + 0.01, 0, 0, 1, 1, 1};  // outside the span: not put back
    const BallState outside = ball;
    p->CheckCushions(0);
    EXPECT_TRUE(Same(ball, outside));
}

TEST_F(Motion, HeadOnContactExchangesVelocities)
{
    ball = {0.5, 0.25, 4, 0, 0, 0, 0};
    other = {0.5 + 0.061 + 0.0015, 0.25, 0, 0, 0, 0, 0};  // met 0.375 ms into the step
    p->CollideBalls(0, 1);
    EXPECT_EQ(ball.vx, 0);
    EXPECT_EQ(other.vx, 4);
    EXPECT_EQ(other.vy, 0);
    EXPECT_NEAR(other.x - ball.x, 0.061, 1e-12);
}

TEST_F(Motion, SideSpinGearingAndCoincidentCentres)
{
    const double k1 = std::sqrt(0.025), k2 = std::sqrt(1 - 0.025);
    ball = {0.5, 0.25, 0, 0, 0, 0, -2};  // overlapping, equal side spins: j gives
    other = {0.55, 0.25, 0, 0, 0, 0, 2};
    p->CollideBalls(0, 1);
    EXPECT_EQ(ball.wz, -2 - k1 * 2);
    EXPECT_EQ(other.wz, k2 * 2);
    ball.wz = 4;  // stronger on i: i gives
    other.wz = 1;
    p->CollideBalls(0, 1);
    EXPECT_EQ(other.wz, 1 - k1 * 4);
    EXPECT_EQ(ball.wz, k2 * 4);

    ball = {0.5, 0.25, 1, 0.5, 0, 0, 1};  // coincident centres: no normal, no NaN
    other = {0.5, 0.25, 0, 0, 0, 0, 0};
    p->CollideBalls(0, 1);
    EXPECT_TRUE(ball.vx == 1 && ball.vy == 0.5 && other.vx == 0 && other.vy == 0);
    EXPECT_EQ(ball.wz, k2);  // gearing still applies
    EXPECT_EQ(other.wz, -k1);
}

TEST_F(Motion, SquareCushionHitWithoutFriction)
{
    double vn = -2;
    const double delta = -(1 + 0.98) * vn * 0.01;
    for (int k = 0; k < 100; ++k)
        vn += delta;
    ball = {-0.01, 0.5, -2, 0, 0, 0, 0};
    p->CheckCushions(0);
    EXPECT_EQ(ball.x, 1e-5);  // put back, not mirrored
    EXPECT_EQ(ball.vx, vn);
    EXPECT_NEAR(ball.vx, 1.96, 1e-12);
    EXPECT_TRUE(ball.vy == 0 && ball.wy == 0);

    ball = {p->m_dSpanX + 0.01, 0.5, 2, 0, 0, 0, 0};
    p->CheckCushions(0);
    EXPECT_EQ(ball.x, p->m_dSpanX - 1e-5);
    EXPECT_EQ(ball.vx, -vn);
}
