// SPDX-License-Identifier: GPL-3.0-or-later
// The screening integration: the loop of Simulate, skipping ahead in closed
// form over stretches of steps in which no ball can reach a cushion or another
// ball, come to rest or stop sliding on an axis. Everything else (contacts,
// transitions, the steps around them) is done by the exact step operations.
//
// On the cloth a ball either rolls (its sliding velocity is below the one at
// which a step applies friction) or slides. Rolling, its velocity keeps its
// direction and loses the same speed every step. Sliding, the sliding velocity
// keeps its direction and shrinks by the same amount every step while the
// friction pushes the centre along minus that direction, and the rolling loss
// acts along the turning velocity: a stretch is integrated as the velocity's
// differential equation over the step count, short enough that the velocity
// changes by at most a tenth. Only the small rolling loss makes the equation
// non-linear (the friction's change is fixed), so Runge-Kutta and Simpson's
// rule stay far more accurate than a screening needs.
#include <algorithm>
#include <cmath>
#include <limits>

#include "sim/ShotPhysics.h"

namespace
{
// Values of the exact step (ShotIntegration.cpp).
constexpr double kNoSliding = 1e-16;
constexpr double kRollingLoss = 0.003;
constexpr double kRollingSnap = 0.003;

// Fewer steps than this are taken exactly. A stretch costs about as much as
// one exact step, so even two steps are worth skipping.
constexpr long kMinSkip = 2;
// Longest stretch: far beyond any real one.
constexpr long kMaxSkip = 1L << 30;
// Sliding stretches change the velocity by at most this share of its length.
constexpr double kSlidingShare = 0.1;
// Distance kept from a cushion line and between two balls beyond a diameter, m.
constexpr double kDistanceMargin = 2e-4;
// The same from a cushion line for a rolling ball, whose closed form follows
// the exact steps to far less than a micrometre over a whole shot.
constexpr double kRollingMargin = 2e-6;
// A sliding axis ends a stretch at least this far above the snap (m/s): the
// exact steps' own rounding over a whole shot stays far below it.
constexpr double kSnapGuard = 1e-9;
// A sliding axis that is this small has been snapped and stays at zero.
constexpr double kSnappedAxis = 1e-12;

// How one ball moves over a stretch.
enum class Motion
{
    Resting,
    Rolling,
    Sliding,
    Irregular,  // anything else: exact steps only
};

struct BallPlan
{
    Motion motion = Motion::Resting;
    double speed = 0;         // |v|
    double maxChange = 0;     // bound of the velocity change per step (m/s)
    double ux = 0, uy = 0;    // sliding velocity, snapped axes at zero
    double dirX = 0, dirY = 0;  // direction of the sliding velocity
    double slide = 0;         // |u|
    long limit = kMaxSkip;    // steps this ball allows on its own
};

// Steps over which a quantity falling by rate per step from value stays above
// floor, rounded down; "far" when it does not fall.
long StepsAbove(double value, double floor, double rate)
{
    if (!(rate > 0))
        return kMaxSkip;
    const double steps = (value - floor) / rate;
    if (!(steps > 0))
        return 0;
    return steps >= double(kMaxSkip) ? kMaxSkip : static_cast<long>(steps);
}

// Steps, at most skip, after which a ball at distance travel from a cushion
// line, moving towards it by move per step and that move growing by at most
// growth per step, is still a margin away from it and has not crossed it:
// the distance after k steps is at least
//     d(k) = travel - k move - growth k (k + 1) / 2,
// a concave function, so d stays positive up to the larger root of
// d(k) = margin; a ball heading away may end nearer than the margin.
long StepsClearOfLine(double travel, double move, double growth, double margin, long skip)
{
    if (!(travel > 0))
        return 0;
    const double a = growth / 2;
    const double b = move + a;
    const double c = travel - margin;
    const double k = double(skip);
    if (c - b * k - a * k * k >= 0)
        return skip;
    if (!(a > 0))
        return b > 0 ? std::min(skip, StepsAbove(travel, margin, b)) : 0;
    const double disc = b * b + 4 * a * c;
    if (!(disc >= 0))
        return 0;
    const double root = (std::sqrt(disc) - b) / (2 * a);
    if (!(root >= 1))
        return 0;
    return root >= k ? skip : static_cast<long>(root);
}

// Velocity change of one step of a sliding ball at velocity v: friction
// along -dir, then the rolling loss along the result.
struct SlidingFlow
{
    double ax, ay;  // friction's change of velocity per step
    double loss;    // rolling loss per step

    void Rate(double vx, double vy, double& outX, double& outY) const
    {
        const double wx = vx + ax;
        const double wy = vy + ay;
        const double s = std::sqrt(wx * wx + wy * wy);
        outX = ax - loss * wx / s;
        outY = ay - loss * wy / s;
    }

    // Runge-Kutta over h steps, taken as a continuous step count.
    void Advance(double& vx, double& vy, double h) const
    {
        double k1x, k1y, k2x, k2y, k3x, k3y, k4x, k4y;
        Rate(vx, vy, k1x, k1y);
        Rate(vx + 0.5 * h * k1x, vy + 0.5 * h * k1y, k2x, k2y);
        Rate(vx + 0.5 * h * k2x, vy + 0.5 * h * k2y, k3x, k3y);
        Rate(vx + h * k3x, vy + h * k3y, k4x, k4y);
        vx += h / 6 * (k1x + 2 * k2x + 2 * k3x + k4x);
        vy += h / 6 * (k1y + 2 * k2y + 2 * k3y + k4y);
    }
};
// Moves every ball of physics over steps steps as its plan says.
void AdvanceInClosedForm(CShotPhysics& physics, const BallPlan plan[3], long steps)
{
    const double dt = physics.m_dTimeStep;
    const double r = physics.m_dRadius;
    const double loss = kRollingLoss * dt;
    const double k = double(steps);
    const double decay = physics.m_dSideSpinDecay * dt * k;
    const double frictionDv = physics.m_dClothFriction * dt * physics.m_dInvMass;
    const double slideDrop = physics.m_dClothFriction * dt * (physics.m_dInvMass + r * physics.m_dRadiusOverInertia);

    for (int b = 0; b < 3; ++b)
    {
        const BallPlan& p = plan[b];
        BallState& s = physics.m_work[b];
        if (p.motion == Motion::Resting)
            continue;

        if (s.wz > decay)
            s.wz -= decay;
        else if (s.wz < -decay)
            s.wz += decay;
        else
            s.wz = 0;

        if (p.motion == Motion::Rolling)
        {
            // The move of each step uses the speed before that step's loss.
            const double travel = dt * (k * p.speed - loss * k * (k - 1) / 2);
            const double kept = (p.speed - k * loss) / p.speed;
            s.x += s.vx / p.speed * travel;
            s.y += s.vy / p.speed * travel;
            s.vx *= kept;
            s.vy *= kept;
            s.wx = s.vy / r;
            s.wy = -s.vx / r;
            continue;
        }

        // Sliding: velocity at the middle and the end of the stretch; the
        // centre moves by the sum of the step velocities (each after the
        // step's friction, before its loss), by Simpson's rule corrected for
        // the sum's end points.
        const SlidingFlow flow{-frictionDv * p.dirX, -frictionDv * p.dirY, loss};
        double midX = s.vx, midY = s.vy;
        flow.Advance(midX, midY, k / 2);
        double endX = midX, endY = midY;
        flow.Advance(endX, endY, k / 2);
        const double sumX = k / 6 * (s.vx + 4 * midX + endX) - (endX - s.vx) / 2 + k * flow.ax;
        const double sumY = k / 6 * (s.vy + 4 * midY + endY) - (endY - s.vy) / 2 + k * flow.ay;
        s.x += sumX * dt;
        s.y += sumY * dt;
        s.vx = endX;
        s.vy = endY;
        const double slideKept = (p.slide - k * slideDrop) / p.slide;
        const double ux = p.ux * slideKept;
        const double uy = p.uy * slideKept;
        s.wx = (s.vy - uy) / r;
        s.wy = (ux - s.vx) / r;
    }
}
}  // namespace

void CShotPhysics::SimulateScreening()
{
    for (int b = 0; b < 3; ++b)
        m_work[b] = m_state[b];

    const double dt = m_dTimeStep;
    const double r = m_dRadius;
    const double loss = kRollingLoss * dt;
    // Friction's change per step of the velocity and of the sliding velocity.
    const double frictionDv = m_dClothFriction * dt * m_dInvMass;
    const double slideDrop = m_dClothFriction * dt * (m_dInvMass + r * m_dRadiusOverInertia);

    // Steps from one recorded sample to the next, as the exact loop's
    // accumulator counts them.
    long samplePeriod = 0;
    {
        double accumulator = 0;
        do
        {
            accumulator += m_dTimeStep;
            ++samplePeriod;
        } while (!(accumulator >= m_dSampleInterval) && samplePeriod < kMaxSkip);
    }

    long sinceSample = 0;  // steps since the last recorded sample
    long samples = 0;      // samples recorded by the loop, the exact loop's n
    bool restUnseen = false;  // a ball came to rest since the last sample
    m_nStep = 0;
    m_bEndRequested = false;

    BallPlan plan[3];
    for (;;)
    {
        // How far every ball may go in closed form.
        long skip = kMaxSkip;
        bool anyMoving = false;
        for (int b = 0; b < 3 && skip >= kMinSkip; ++b)
        {
            BallPlan& p = plan[b];
            p = BallPlan{};
            if (BallAtRest(b))
                continue;
            anyMoving = true;
            const BallState& s = m_work[b];
            p.speed = std::sqrt(s.vx * s.vx + s.vy * s.vy);
            const double ux = s.vx + r * s.wy;
            const double uy = s.vy - r * s.wx;
            const double u = std::sqrt(ux * ux + uy * uy);
            if (u <= kNoSliding)
            {
                p.motion = Motion::Rolling;
                p.maxChange = loss;
                // The step at which the speed no longer covers the loss is
                // the stop: leave it and the one before to exact steps.
                p.limit = StepsAbove(p.speed, loss, loss) - 2;
            }
            else
            {
                const bool xSnapped = std::fabs(ux) <= kSnappedAxis;
                const bool ySnapped = std::fabs(uy) <= kSnappedAxis;
                const bool xSliding = std::fabs(ux) >= kRollingSnap;
                const bool ySliding = std::fabs(uy) >= kRollingSnap;
                if (!(xSnapped || xSliding) || !(ySnapped || ySliding) || (xSnapped && ySnapped))
                {
                    p.motion = Motion::Irregular;
                    skip = 0;
                    break;
                }
                p.motion = Motion::Sliding;
                p.ux = xSnapped ? 0 : ux;
                p.uy = ySnapped ? 0 : uy;
                p.slide = std::sqrt(p.ux * p.ux + p.uy * p.uy);
                p.dirX = p.ux / p.slide;
                p.dirY = p.uy / p.slide;
                p.maxChange = frictionDv + loss;
                // Stop while every skipped step leaves each sliding axis
                // above the snap, and while the velocity changes by at most
                // its share.
                long limit = kMaxSkip;
                if (!xSnapped)
                    limit = std::min(limit, StepsAbove(std::fabs(p.ux) - kSnapGuard, kRollingSnap, slideDrop * std::fabs(p.dirX)));
                if (!ySnapped)
                    limit = std::min(limit, StepsAbove(std::fabs(p.uy) - kSnapGuard, kRollingSnap, slideDrop * std::fabs(p.dirY)));
                limit = std::min(limit, StepsAbove(kSlidingShare * p.speed, 0, p.maxChange));
                p.limit = limit;
            }
            skip = std::min(skip, p.limit);
        }
        if (!anyMoving)
            skip = 0;

        // Cushions: the travel to each line, with the velocity growing by at
        // most its bound per step, ends a step and a margin before the line.
        for (int b = 0; b < 3 && skip >= kMinSkip; ++b)
        {
            const BallPlan& p = plan[b];
            if (p.motion == Motion::Resting)
                continue;
            const BallState& s = m_work[b];
            const double towards[4] = {-s.vx, s.vx, -s.vy, s.vy};
            const double margin = p.motion == Motion::Rolling ? kRollingMargin : kDistanceMargin;
            const double travel[4] = {s.x, m_dSpanX - s.x, s.y, m_dSpanY - s.y};
            for (int c = 0; c < 4; ++c)
            {
                if (!(towards[c] + p.maxChange * double(skip) > 0))
                    continue;  // heads away from the line over the whole stretch
                skip = std::min(skip, StepsClearOfLine(travel[c], towards[c] * dt, p.maxChange * dt, margin, skip));
            }
        }

        // Ball pairs: the steps before their centres can come within a
        // diameter and a margin, over the stretch and the step that looks
        // one step ahead.
        for (int i = 0; i < 3 && skip >= kMinSkip; ++i)
            for (int j = i + 1; j < 3 && skip >= kMinSkip; ++j)
            {
                const BallPlan& pi = plan[i];
                const BallPlan& pj = plan[j];
                if (pi.motion == Motion::Resting && pj.motion == Motion::Resting)
                    continue;
                const double grow = (pi.maxChange + pj.maxChange) * double(skip);
                const double closing = (pi.speed + pj.speed + grow) * dt;
                const double dx = m_work[j].x - m_work[i].x;
                const double dy = m_work[j].y - m_work[i].y;
                const double gap = std::sqrt(dx * dx + dy * dy) - m_dDiameter;
                const long closingLimit = StepsAbove(gap, kDistanceMargin, closing) - 2;
                if (closingLimit >= skip)
                    continue;
                // Closer look: the straight relative paths, widened by how far
                // the velocity changes over the stretch can bend them.
                const double k = double(skip);
                const double bend = (pi.maxChange + pj.maxChange) * dt * k * k / 2;
                const double reach = m_dDiameter + kDistanceMargin + bend;
                const double vx = (m_work[j].vx - m_work[i].vx) * dt;
                const double vy = (m_work[j].vy - m_work[i].vy) * dt;
                const double a = vx * vx + vy * vy;
                const double b = 2 * (dx * vx + dy * vy);
                const double c = dx * dx + dy * dy - reach * reach;
                const double disc = b * b - 4 * a * c;
                long pathLimit = 0;
                if (c > 0 && (a == 0 || disc < 0 || b >= 0))
                    pathLimit = skip;  // never within reach ahead
                else if (c > 0 && a > 0)
                {
                    const double first = (-b - std::sqrt(disc)) / (2 * a);
                    pathLimit = first >= double(skip) + 2 ? skip : static_cast<long>(first) - 2;
                }
                skip = std::min(skip, std::max(closingLimit, pathLimit));
            }

        // Recorded samples: the buffers' limit ends the shot at a sample,
        // and a ball that came to rest is shown to the receiver at the next.
        const long toSample = samplePeriod - sinceSample;
        const long samplesToLimit = std::max(1L, long(kTrajectoryCapacity) - samples);
        skip = std::min(skip, toSample + (samplesToLimit - 1) * samplePeriod - 1);
        if (restUnseen || m_bEndRequested)
            skip = std::min(skip, toSample);

        if (skip >= kMinSkip)
        {
            AdvanceInClosedForm(*this, plan, skip);
            m_nStep += static_cast<std::uint32_t>(skip);
            sinceSample += skip;
            if (sinceSample >= samplePeriod)
            {
                samples += sinceSample / samplePeriod;
                sinceSample %= samplePeriod;
                restUnseen = false;
                if (m_pContacts != nullptr && (m_bEndRequested || m_pContacts->OnSample(*this)))
                    break;
            }
            continue;
        }

        // One exact step, as Simulate takes it.
        // StepBall tells whether the ball was moving at the start of the step.
        const bool wasMoving[3] = {StepBall(0, dt) != 0, StepBall(1, dt) != 0, StepBall(2, dt) != 0};
        const int moving = wasMoving[0] + wasMoving[1] + wasMoving[2];
        CollideBalls(0, 1);
        CollideBalls(0, 2);
        CollideBalls(1, 2);
        CheckCushions(0);
        CheckCushions(1);
        CheckCushions(2);
        for (int b = 0; b < 3; ++b)
            restUnseen = restUnseen || (wasMoving[b] && BallAtRest(b));

        if (++sinceSample >= samplePeriod)
        {
            sinceSample = 0;
            if (samples + 1 >= kTrajectoryCapacity)
                break;
            ++samples;
            restUnseen = false;
            if (m_pContacts != nullptr && (m_bEndRequested || m_pContacts->OnSample(*this)))
                break;
        }
        ++m_nStep;
        if (moving == 0)
            break;
    }
}
