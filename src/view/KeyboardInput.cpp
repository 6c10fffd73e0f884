// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard commands of the table view: the shot commands, the trajectory
// file, and fine steps of the strike point and the cue raise.

#include "platform/KeyInput.h"
#include "sim/ShotPhysics.h"
#include "view/MirobeltView.h"

namespace
{
constexpr std::uint32_t kKeyD = 0x44;
constexpr std::uint32_t kKeyN = 0x4E;

// Flags words of the adjustment keys: the bare scan code, so that extended
// keys (the separate arrows), Alt and auto-repeat do nothing.
constexpr std::uint32_t kPad8 = 0x48;
constexpr std::uint32_t kPad4 = 0x4B;
constexpr std::uint32_t kPad6 = 0x4D;
constexpr std::uint32_t kPad2 = 0x50;
constexpr std::uint32_t kF5 = 0x3F;
constexpr std::uint32_t kF6 = 0x40;
constexpr std::uint32_t kF7 = 0x41;
constexpr std::uint32_t kF8 = 0x42;

constexpr double kStrikeStep = 0.01;
constexpr double kStrikeLimit = 0.7;
constexpr double kSteepestKeyRaise = 88;

// Once a step has hit its limit, further steps change nothing, and from
// anywhere in the unit disc 171 steps reach the far limit: a larger repeat
// count is cut short instead of spinning through billions of steps.
constexpr std::uint32_t kMaxStrikeSteps = 256;
}  // namespace

void CMirobeltView::OnKeyDown(std::uint32_t key, std::uint32_t repeatCount, std::uint32_t flags)
{
    ModelStep step(*this);
    // Any key stops a running animation.
    StopPlayLoop();
    if (m_bAnimating == 1)
    {
        m_bAnimating = 0;
        m_nAnimTick = 0;
    }

    switch (key)
    {
    case vk::Escape:
        if (m_nDemoTimer != 0)
        {
            KillDemoTimer();
            m_nDemoTimer = 0;
        }
        OnShotInterrupt();
        break;
    case vk::Return:
        OnShotPlay();
        break;
    case kKeyD:
        ExportTrajectories();
        break;
    case vk::Space:
        if (m_bSetupChanged == 1)
        {
            g_bNoMouseAbort = 1;
            ComputeShot(0);
        }
        OnShowTrajectory();
        m_bSetupChanged = 0;
        break;
    default:
        break;
    }

    if (key == kKeyN || flags == kPad8 || flags == kPad4 || flags == kPad6 || flags == kPad2)
    {
        TableSetUp& setUp = EditSetUp();
        // An ordinary press (repeat count 1) moves two steps.
        const std::uint32_t steps = repeatCount >= kMaxStrikeSteps ? kMaxStrikeSteps : repeatCount + 1;
        for (std::uint32_t i = 0; i < steps; ++i)
        {
            if (key == kKeyN)
            {
                setUp.strikeHeight = 0;
                setUp.strikeSide = 0;
            }
            // Each direction tests only its own limit: a value set beyond it
            // with the mouse stays until a key moves it outward.
            if (flags == kPad4)
            {
                setUp.strikeSide -= kStrikeStep;
                if (setUp.strikeSide < -kStrikeLimit)
                    setUp.strikeSide = -kStrikeLimit;
            }
            if (flags == kPad6)
            {
                setUp.strikeSide += kStrikeStep;
                if (setUp.strikeSide > kStrikeLimit)
                    setUp.strikeSide = kStrikeLimit;
            }
            if (flags == kPad2)
            {
                setUp.strikeHeight += kStrikeStep;
                if (setUp.strikeHeight > kStrikeLimit)
                    setUp.strikeHeight = kStrikeLimit;
            }
            if (flags == kPad8)
            {
                setUp.strikeHeight -= kStrikeStep;
                if (setUp.strikeHeight < -kStrikeLimit)
                    setUp.strikeHeight = -kStrikeLimit;
            }
        }
        CDC* dc = AcquireWindowDC();
        DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, setUp.strikeHeight, setUp.strikeSide, setUp.strikeMode);
        ReleaseWindowDC(dc);
    }

    if (flags == kF5 || flags == kF6 || flags == kF7 || flags == kF8)
    {
        TableSetUp& setUp = EditSetUp();
        switch (flags)
        {
        case kF5:
            setUp.raiseAngle = 0;
            break;
        case kF6:  // one degree down, the mirror of F7
            setUp.raiseAngle = setUp.raiseAngle > 1 ? setUp.raiseAngle - 1 : 0;
            break;
        case kF7:
            setUp.raiseAngle = setUp.raiseAngle < kSteepestKeyRaise ? setUp.raiseAngle + 1 : kSteepestKeyRaise;
            break;
        default:
            setUp.raiseAngle = kSteepestKeyRaise;
            break;
        }
        CDC* dc = AcquireWindowDC();
        DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, setUp.raiseAngle);
        ReleaseWindowDC(dc);
    }
}
