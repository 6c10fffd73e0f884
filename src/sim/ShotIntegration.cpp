// SPDX-License-Identifier: GPL-3.0-or-later
// The integration loop of a shot and the operations of one step: the motion
// of each ball on the cloth, ball-to-ball contacts and cushion impacts. They
// live in one file so that the loop runs them inline.
#include <algorithm>
#include <cmath>

#include "sim/ShotPhysics.h"

namespace
{
// Samples between two questions to the pointer: asked when the count exceeds it.
constexpr std::int32_t kPollSamples = 300;
// Below this length the sliding velocity has no direction: no friction.
constexpr double kNoSliding = 1e-16;
// Smallest reversal fraction that still rescales the friction impulse.
constexpr double kMinFraction = 1e-12;
// Rolling loss of speed, m/s per second.
constexpr double kRollingLoss = 0.003;
// Sliding velocity per axis below which the ball is taken to roll, m/s.
constexpr double kRollingSnap = 0.003;
// Distance from the cushion at which a ball that crossed it is put back, m.
constexpr double kPutBack = 1e-5;
// The cushion impact is integrated in this many slices.
constexpr int kImpactSlices = 100;
constexpr double kSliceShare = 0.01;
// Sliding speed of the contact point below which the cushion stops gripping, m/s.
constexpr double kCushionGrip = 0.025;
constexpr double kMinSliding = 1e-8;
// Cushion friction, and the matching spin change of a solid sphere (2.5 x 0.23).
constexpr double kCushionFriction = 0.23;
constexpr double kCushionSpinFriction = 0.575;

// Two balls whose centres are farther apart than a diameter, their closing
// speed over a step and this distance cannot meet within the step: the test
// of CollideBalls would find no contact (its rounding stays far below it).
constexpr double kFarMargin = 1e-9;

// The largest square whose root is at most limit: for a non-negative q,
// sqrt(q) <= limit exactly when q <= it, the square root being rounded
// correctly and so never decreasing.
double LargestSquareWithRootAtMost(double limit)
{
    double q = limit * limit;
    while (std::sqrt(q) > limit)
        q = std::nextafter(q, 0.0);
    while (std::sqrt(std::nextafter(q, 1.0)) <= limit)
        q = std::nextafter(q, 1.0);
    return q;
}
const double kNoSlidingSquared = LargestSquareWithRootAtMost(kNoSliding);
// Below this squared speed a rolling ball's rebuilt spin leaves a sliding
// velocity of at most 2.3e-16 times the speed on each axis (the product of
// the radius and the rebuilt spin is within two roundings of the velocity,
// and their sum exact): its square stays below kNoSlidingSquared.
constexpr double kSlowRollingSquared = 0.16;

void DecaySideSpin(BallState& s, double decay)
{
    if (s.wz > decay)
        s.wz -= decay;
    else if (s.wz < -decay)
        s.wz += decay;
    else
        s.wz = 0;
}

// The ball pairs in the order of the step's contact tests.
constexpr int kPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
// Longest run of steps a pair is left untested, and the distance kept beyond
// the reach of CollideBalls' own far-apart test for rounding over it.
constexpr int kMaxIdleSteps = 1000;
constexpr double kIdleMargin = 1e-6;

// Whether two balls far apart on one axis (more than a diameter) may still
// meet within the step: only when they approach each other on that axis.
bool MayMeetOnAxis(double pi, double pj, double vi, double vj, double d)
{
    if (pi + d < pj)
        return vj < vi && (vj < 0 || vi > 0);
    if (pi - d > pj)
        return vj > vi && (vj > 0 || vi < 0);
    return true;
}
}  // namespace

void CShotPhysics::RecordSample(int b, std::uint32_t sampleNo)
{
    if (!m_traj.HasStorage())
        return;
    TrajectoryBuffer& buffer = m_traj[b];
    const std::int32_t i = buffer.m_nCount;
    if (i < kTrajectoryCapacity)
    {
        buffer.x[i] = m_work[b].x;
        buffer.y[i] = m_work[b].y;
        buffer.sampleNo[i] = sampleNo;
        buffer.m_nCount = i + 1;
    }
}

// The step operations are inlined into the loop; the cushion impact, rare and
// long, stays a call.
[[gnu::flatten]] void CShotPhysics::Simulate()
{
    for (int b = 0; b < 3; ++b)
        m_work[b] = m_state[b];
    for (int b = 0; b < 3; ++b)
        RecordSample(b, 0);

    const double dt = m_dTimeStep;
    const double restSpeed = m_dRestSpeed;
    const RollingStep rolling = RollingStepOf(dt);
    double accumulator = 0;
    std::uint32_t n = 0;
    bool interrupted = false;
    m_nStep = 0;
    m_bEndRequested = false;
    // A ball known at rest: BallAtRest said so and nothing has touched it
    // since, so its step would do nothing and need not ask again.
    bool known[3] = {false, false, false};
    // The step at which each ball pair, then each ball against the cushions,
    // is next tested: before it, the pair is certainly too far apart to meet
    // and the ball certainly stays clear of the cushion lines. No test is due
    // before the earliest of them.
    std::uint32_t pairDue[3] = {0, 0, 0};
    std::uint32_t cushionDue[3] = {0, 0, 0};
    std::uint32_t nextDue = 0;
    // A rolling ball's spin is rebuilt from its velocity only when read:
    // by its next step that is not a slow roll, by a contact or cushion
    // test, by the rest test of a slow centre, a sample or the end. Until
    // then its sliding velocity is known to stay below kNoSliding: the
    // rebuilt spin cancels the velocity to within two roundings of it.
    bool spinDue[3] = {false, false, false};
    const bool rollingKeepsRolling = 0.0 * m_dInvMass == 0 && 0.0 * m_dRadiusOverInertia == 0 &&
                                     m_dRadius > 0 && m_dRadius < 1e300;
    auto settleSpin = [&](int b) {
        if (spinDue[b])
        {
            RebuildRollingSpin(m_work[b]);
            spinDue[b] = false;
        }
    };
    auto settleAllSpins = [&] {
        for (int b = 0; b < 3; ++b)
            settleSpin(b);
    };
    // A contact or a cushion impact of a ball makes its pairs due at once.
    auto pairsDueNow = [&](int ball) {
        for (int p = 0; p < 3; ++p)
            if (kPairs[p][0] == ball || kPairs[p][1] == ball)
                pairDue[p] = m_nStep;
    };
    int moving;
    do
    {
        // The steps of StepBall, in ball order, every step.
        moving = 0;
        for (int b = 0; b < 3; ++b)
        {
            if (known[b])
                continue;
            BallState& s = m_work[b];
            // BallAtRest reads the spin only for a slow enough centre; a
            // centre that is not slow is not at rest.
            if (spinDue[b])
            {
                if (-restSpeed < s.vx && s.vx < restSpeed && -restSpeed < s.vy && s.vy < restSpeed)
                {
                    settleSpin(b);
                    if (BallAtRest(b))
                    {
                        known[b] = true;
                        continue;
                    }
                }
            }
            else if (BallAtRest(b))
            {
                known[b] = true;
                continue;
            }
            ++moving;
            if (spinDue[b] && s.vx * s.vx + s.vy * s.vy < kSlowRollingSquared && rollingKeepsRolling)
            {
                Roll(s, rolling);
                continue;
            }
            // MoveBall, its rolling spin left due until read.
            settleSpin(b);
            if (RollsFreely(s))
            {
                Roll(s, rolling);
                spinDue[b] = true;
                continue;
            }
            SlideBall(s, dt);
        }

        // A pair that cannot meet before its due step is not tested: its
        // test would find nothing (see IdleSteps). A contact or a cushion
        // impact of one of its balls tests it again at once. Likewise a ball
        // that cannot reach a cushion line before its due step is not tested
        // against the cushions.
        if (m_nStep >= nextDue)
        {
            for (int p = 0; p < 3; ++p)
            {
                if (m_nStep < pairDue[p])
                    continue;
                const int i = kPairs[p][0];
                const int j = kPairs[p][1];
                settleSpin(i);
                settleSpin(j);
                if (CollideBalls(i, j))
                {
                    known[i] = known[j] = false;
                    cushionDue[i] = cushionDue[j] = m_nStep;
                    pairsDueNow(i);
                    pairsDueNow(j);
                }
                else
                    pairDue[p] = m_nStep + 1 + static_cast<std::uint32_t>(IdleSteps(i, j, known[i], known[j]));
            }

            for (int b = 0; b < 3; ++b)
            {
                if (m_nStep < cushionDue[b])
                    continue;
                settleSpin(b);
                if (CheckCushions(b))
                {
                    known[b] = false;
                    pairsDueNow(b);
                    cushionDue[b] = m_nStep + 1;
                }
                else
                    cushionDue[b] = m_nStep + 1 + static_cast<std::uint32_t>(CushionIdleSteps(b, known[b]));
            }
            nextDue = std::min({pairDue[0], pairDue[1], pairDue[2], cushionDue[0], cushionDue[1], cushionDue[2]});
        }

        accumulator += m_dTimeStep;
        if (accumulator >= m_dSampleInterval)
        {
            if (m_bWatchesPointer && g_bNoMouseAbort == 0)
            {
                ++g_nPollCount;
                if (g_nPollCount > kPollSamples)
                {
                    interrupted = g_pfnPointerMoved != nullptr && g_pfnPointerMoved();
                    g_nPollCount = 0;
                }
            }
            accumulator = 0;

            // The three balls record together: once the buffers are full no
            // later sample can be kept, so the shot ends there (200 s at most),
            // even when the balls never come to rest (non-finite state).
            // Without buffers the count they would hold ends the shot alike.
            if (m_traj.HasStorage() ? m_traj[0].m_nCount >= kTrajectoryCapacity ||
                                          m_traj[1].m_nCount >= kTrajectoryCapacity ||
                                          m_traj[2].m_nCount >= kTrajectoryCapacity
                                    : n + 1 >= kTrajectoryCapacity)
                break;

            for (int b = 0; b < 3; ++b)
                RecordSample(b, n);
            ++n;
            settleAllSpins();

            // The receiver may end the shot once it knows what it looks for.
            if (m_pContacts != nullptr && (m_bEndRequested || m_pContacts->OnSample(*this)))
                break;
        }
        ++m_nStep;
    } while (moving != 0 && !interrupted);
    settleAllSpins();

    for (int b = 0; b < 3; ++b)
        RecordSample(b, n + 1);
}

// Moves ball b over one step on the cloth: friction on the sliding velocity,
// rolling loss, side-spin decay, then the centre. Contacts come afterwards.
int CShotPhysics::StepBall(int b, double dt)
{
    if (BallAtRest(b))
        return 0;
    MoveBall(b, dt);
    return 1;
}

// Rolling, the step of MoveBall reduces to RollBall and RebuildRollingSpin:
// no impulse (its zero added as the step adds it, keeping the sign of
// zeros), no axis changing sign, both axes snapped to zero.
bool CShotPhysics::RollsFreely(const BallState& s) const
{
    const double ux = s.vx + m_dRadius * s.wy;
    const double uy = s.vy - m_dRadius * s.wx;
    return ux * ux + uy * uy <= kNoSlidingSquared && 0.0 * m_dInvMass == 0 && 0.0 * m_dRadiusOverInertia == 0;
}

CShotPhysics::RollingStep CShotPhysics::RollingStepOf(double dt) const
{
    return {dt, 0.0 * m_dInvMass, kRollingLoss * dt, m_dSideSpinDecay * dt};
}

void CShotPhysics::Roll(BallState& s, const RollingStep& step)
{
    const double vx2 = s.vx + step.noImpulse;
    const double vy2 = s.vy + step.noImpulse;
    const double speed = std::sqrt(vx2 * vx2 + vy2 * vy2);
    if (speed <= step.loss)
    {
        s.vx = 0;
        s.vy = 0;
    }
    else
    {
        const double kept = speed - step.loss;
        s.vx = vx2 * kept / speed;
        s.vy = vy2 * kept / speed;
    }
    DecaySideSpin(s, step.decay);
    s.x += vx2 * step.dt;
    s.y += vy2 * step.dt;
}

void CShotPhysics::RollBall(BallState& s, double dt) const
{
    Roll(s, RollingStepOf(dt));
}

void CShotPhysics::RebuildRollingSpin(BallState& s) const
{
    s.wx = (s.vy - 0.0) / m_dRadius;
    s.wy = (0.0 - s.vx) / m_dRadius;
}

void CShotPhysics::MoveBall(int b, double dt)
{
    BallState& s = m_work[b];

    // Sliding velocity of the contact point; no friction below kNoSliding,
    // told by its square (see kNoSlidingSquared).
    if (RollsFreely(s))
    {
        RollBall(s, dt);
        RebuildRollingSpin(s);
        return;
    }
    SlideBall(s, dt);
}

void CShotPhysics::SlideBall(BallState& s, double dt)
{
    const double r = m_dRadius;
    const double ux = s.vx + r * s.wy;
    const double uy = s.vy - r * s.wx;
    const double uSquared = ux * ux + uy * uy;

    double jx;
    double jy;
    if (uSquared <= kNoSlidingSquared)
    {
        jx = 0;
        jy = 0;
    }
    else
    {
        const double u = std::sqrt(uSquared);
        jx = -m_dClothFriction * dt * ux / u;
        jy = -m_dClothFriction * dt * uy / u;
    }

    // Trial step with the whole impulse.
    const double vx1 = s.vx + jx * m_dInvMass;
    const double vy1 = s.vy + jy * m_dInvMass;
    const double wy1 = s.wy + jx * m_dRadiusOverInertia;
    const double wx1 = s.wx - jy * m_dRadiusOverInertia;
    double ux1 = vx1 + r * wy1;
    double uy1 = vy1 - r * wx1;

    // An axis whose sliding velocity changed sign stops sliding within the step.
    double fx = 0;
    double fy = 0;
    if (ux1 * ux < 0)
    {
        fx = std::fabs(ux / (ux - ux1));
        jx = 0;
        ux1 = 0;
    }
    if (uy1 * uy < 0)
    {
        fy = std::fabs(uy / (uy - uy1));
        jy = 0;
        uy1 = 0;
    }
    const double f = fx > fy ? fx : fy;

    double vx2 = vx1;
    double vy2 = vy1;
    if (f > kMinFraction)
    {
        vx2 = s.vx + f * jx * m_dInvMass;
        vy2 = s.vy + f * jy * m_dInvMass;
    }

    // Rolling loss on the stored velocity.
    const double speed = std::sqrt(vx2 * vx2 + vy2 * vy2);
    const double loss = kRollingLoss * dt;
    if (speed <= loss)
    {
        s.vx = 0;
        s.vy = 0;
    }
    else
    {
        const double kept = speed - loss;
        s.vx = vx2 * kept / speed;
        s.vy = vy2 * kept / speed;
    }

    DecaySideSpin(s, m_dSideSpinDecay * dt);

    if (-kRollingSnap < ux1 && ux1 < kRollingSnap)
        ux1 = 0;
    if (-kRollingSnap < uy1 && uy1 < kRollingSnap)
        uy1 = 0;

    // Horizontal spin rebuilt so that the sliding velocity is the trial one.
    s.wx = (s.vy - uy1) / r;
    s.wy = (ux1 - s.vx) / r;

    s.x += vx2 * dt;
    s.y += vy2 * dt;
}

bool CShotPhysics::CollideBalls(int i, int j)
{
    BallState& bi = m_work[i];
    BallState& bj = m_work[j];
    const double d = m_dDiameter;

    const double dx = bj.x - bi.x;
    const double dy = bj.y - bi.y;
    const double dvx = bi.vx - bj.vx;
    const double dvy = bi.vy - bj.vy;

    if (!MayMeetOnAxis(bi.x, bj.x, bi.vx, bj.vx, d))
        return false;
    if (!MayMeetOnAxis(bi.y, bj.y, bi.vy, bj.vy, d))
        return false;

    // Far apart for this step: the tests below would all find no contact.
    const double reach = d + (std::fabs(dvx) + std::fabs(dvy)) * m_dTimeStep + kFarMargin;
    if (dx * dx + dy * dy > reach * reach)
        return false;
    const double c = dx * dx + dy * dy - m_dDiameterSq;

    if (!(c < 0))
    {
        // Look ahead for the time at which the centres are a diameter apart.
        const double a = dvx * dvx + dvy * dvy;
        const double b = -2 * (dx * dvx + dy * dvy);
        double t;
        if (a != 0)
        {
            const double disc = b * b - 4.0 * a * c;
            if (disc < 0)
                return false;
            const double root = std::sqrt(disc);
            const double t1 = (root - b) / (2 * a);
            const double t2 = (-b - root) / (2 * a);
            if (t1 < 0)
                return false;
            t = t2 >= 0 ? t2 : t1;
        }
        else
        {
            if (b == 0)
                return false;
            t = -c / b;
        }
        if (!(0 < t && t < m_dTimeStep))
            return false;

        bj.x += t * bj.vx;
        bj.y += t * bj.vy;
        bi.x += t * bi.vx;
        bi.y += t * bi.vy;
    }

    // Exchange of the normal velocity components. Coincident centres give no
    // normal: the velocities are then left as they are.
    const double nx0 = bj.x - bi.x;
    const double ny0 = bj.y - bi.y;
    const double len = std::sqrt(nx0 * nx0 + ny0 * ny0);
    if (len != 0)
    {
        const double nx = nx0 / len;
        const double ny = ny0 / len;
        const double p = nx * (bi.vx - bj.vx) + ny * (bi.vy - bj.vy);
        bj.vx += p * nx;
        bj.vy += p * ny;
        bi.vx -= p * nx;
        bi.vy -= p * ny;
    }

    // Side-spin gearing: the ball with the stronger side spin gives the other
    // a share in the opposite sense; on a tie ball j gives.
    const double k1 = std::sqrt(m_dBallGearing);
    const double k2 = std::sqrt(1 - m_dBallGearing);
    if (std::fabs(bj.wz) < std::fabs(bi.wz))
    {
        bj.wz -= k1 * bi.wz;
        bi.wz = k2 * bi.wz;
    }
    else
    {
        bi.wz -= k1 * bj.wz;
        bj.wz = k2 * bj.wz;
    }

    if (m_pContacts != nullptr)
        ReportContact(i, j, Cushion::Left);
    return true;
}

bool CShotPhysics::CheckCushions(int b)
{
    BallState& s = m_work[b];
    if (s.vx == 0 && s.vy == 0)
        return false;

    bool hit = false;

    double vt, vn, wt, wn, wc;
    if (s.x < 0)
    {
        s.x = kPutBack;
        vt = -s.vy; vn = s.vx; wt = -s.wy; wn = s.wx; wc = -s.wz;
        CushionImpact(vt, vn, wt, wn, wc);
        hit = true;
        s.vy = -vt; s.vx = vn; s.wy = -wt; s.wx = wn; s.wz = -wc;
        if (m_pContacts != nullptr)
            ReportContact(b, Contact::kCushion, Cushion::Left);
    }
    else if (s.x > m_dSpanX)
    {
        s.x = m_dSpanX - kPutBack;
        vt = s.vy; vn = -s.vx; wt = s.wy; wn = -s.wx; wc = -s.wz;
        CushionImpact(vt, vn, wt, wn, wc);
        hit = true;
        s.vy = vt; s.vx = -vn; s.wy = wt; s.wx = -wn; s.wz = -wc;
        if (m_pContacts != nullptr)
            ReportContact(b, Contact::kCushion, Cushion::Right);
    }

    if (s.y < 0)
    {
        s.y = kPutBack;
        vt = s.vx; vn = s.vy; wt = s.wx; wn = s.wy; wc = -s.wz;
        CushionImpact(vt, vn, wt, wn, wc);
        hit = true;
        s.vx = vt; s.vy = vn; s.wx = wt; s.wy = wn; s.wz = -wc;
        if (m_pContacts != nullptr)
            ReportContact(b, Contact::kCushion, Cushion::Top);
    }
    else if (s.y > m_dSpanY)
    {
        s.y = m_dSpanY - kPutBack;
        vt = -s.vx; vn = -s.vy; wt = -s.wx; wn = -s.wy; wc = -s.wz;
        CushionImpact(vt, vn, wt, wn, wc);
        hit = true;
        s.vx = -vt; s.vy = -vn; s.wx = -wt; s.wy = -wn; s.wz = -wc;
        if (m_pContacts != nullptr)
            ReportContact(b, Contact::kCushion, Cushion::Bottom);
    }
    return hit;
}

int CShotPhysics::IdleSteps(int i, int j, bool iRests, bool jRests) const
{
    // Until a contact or cushion impact, a step changes a ball's velocity by
    // at most the friction impulse (a resting ball's not at all) and the
    // rolling loss only shortens it; each component of the velocity, and of
    // the move of a step, so grows by at most the impulse per step. Over n
    // steps the centres close in by at most n times the reach of the last
    // of them, which must stay beyond CollideBalls' far-apart distance.
    const BallState& bi = m_work[i];
    const BallState& bj = m_work[j];
    // A place that is not a number stays so (no move or cushion gives a
    // number back), and CollideBalls finds no contact with it.
    if (std::isnan(bi.x) || std::isnan(bi.y) || std::isnan(bj.x) || std::isnan(bj.y))
        return kMaxIdleSteps;
    const double impulse = 1.01 * m_dClothFriction * m_dTimeStep * m_dInvMass;
    const double growth = 2 * ((iRests ? 0 : impulse) + (jRests ? 0 : impulse)) * kMaxIdleSteps;
    const double speeds = std::fabs(bi.vx) + std::fabs(bi.vy) + std::fabs(bj.vx) + std::fabs(bj.vy);
    const double perStep = (speeds + growth) * m_dTimeStep;
    const double dx = bj.x - bi.x;
    const double dy = bj.y - bi.y;
    const double room = std::sqrt(dx * dx + dy * dy) - m_dDiameter - kFarMargin - kIdleMargin;
    const double steps = room / perStep - 2;
    if (!(steps >= 1))
        return 0;
    return steps >= kMaxIdleSteps ? kMaxIdleSteps : static_cast<int>(steps);
}

int CShotPhysics::CushionIdleSteps(int b, bool rests) const
{
    // As IdleSteps: each component of a step's move grows by at most the
    // friction impulse per step until the ball meets something.
    const BallState& s = m_work[b];
    // Neither coordinate a number: CheckCushions compares both and so never
    // finds an impact, and they stay so.
    if (std::isnan(s.x) && std::isnan(s.y))
        return kMaxIdleSteps;
    const double impulse = rests ? 0 : 1.01 * m_dClothFriction * m_dTimeStep * m_dInvMass;
    const double perStep = (std::fabs(s.vx) + std::fabs(s.vy) + 2 * impulse * kMaxIdleSteps) * m_dTimeStep;
    const double room = std::min(std::min(s.x, m_dSpanX - s.x), std::min(s.y, m_dSpanY - s.y)) - kIdleMargin;
    const double steps = room / perStep - 2;
    if (!(steps >= 1))
        return 0;
    return steps >= kMaxIdleSteps ? kMaxIdleSteps : static_cast<int>(steps);
}

void CShotPhysics::ReportContact(int ball, int other, Cushion cushion)
{
    Contact contact;
    contact.step = m_nStep;
    contact.ball = static_cast<std::int8_t>(ball);
    contact.other = static_cast<std::int8_t>(other);
    contact.cushion = cushion;
    if (m_pContacts->OnContact(contact))
        m_bEndRequested = true;
}

// Impact on one cushion in its frame: the normal impulse is spread over the
// slices; friction at the contact point acts until it stops sliding or turns.
[[gnu::noinline]] void CShotPhysics::CushionImpact(double& vt, double& vn, double& wt, double& wn,
                                                 double& wc) const
{
    (void)wn;  // the spin about the normal is not changed by the cushion
    const double r = m_dRadius;
    const double delta = -(1 + m_dCushionRestitution) * vn * kSliceShare;

    double a0 = 0;
    double b0 = 0;
    for (int k = 0; k < kImpactSlices; ++k)
    {
        const double a = vt + r * wc;
        const double b = -r * wt;
        double s = std::sqrt(a * a + b * b);
        if (k == 0)
        {
            a0 = a;
            b0 = b;
        }
        else
        {
            if (s < kCushionGrip)
            {
                s = 0;
                a0 = 0;
                b0 = 0;
            }
            if (a * a0 + b * b0 <= 0)
            {
                s = 0;
                a0 = 0;
                b0 = 0;
            }
        }

        double dvt = 0;
        double dwc = 0;
        double dwt = 0;
        if (s > kMinSliding)
        {
            dvt = -kCushionFriction * a * delta / s;
            dwc = -kCushionSpinFriction * (vt / r + wc) * delta / s;
            dwt = -kCushionSpinFriction * wt * delta / s;
        }
        wt += dwt;
        wc += dwc;
        vt += dvt;
        vn += delta;
    }
}
