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
        // An ordinary press (repeat count 1) moves two steps.
        const std::uint32_t steps = repeatCount >= kMaxStrikeSteps ? kMaxStrikeSteps : repeatCount + 1;
        for (std::uint32_t i = 0; i < steps; ++i)
        {
            if (key == kKeyN)
            {
                m_dStrikeHeight = 0;
                m_dStrikeSide = 0;
            }
            // Each direction tests only its own limit: a value set beyond it
            // with the mouse stays until a key moves it outward.
            if (flags == kPad4)
            {
                m_dStrikeSide -= kStrikeStep;
                if (m_dStrikeSide < -kStrikeLimit)
                    m_dStrikeSide = -kStrikeLimit;
            }
            if (flags == kPad6)
            {
                m_dStrikeSide += kStrikeStep;
                if (m_dStrikeSide > kStrikeLimit)
                    m_dStrikeSide = kStrikeLimit;
            }
            if (flags == kPad2)
            {
                m_dStrikeHeight += kStrikeStep;
                if (m_dStrikeHeight > kStrikeLimit)
                    m_dStrikeHeight = kStrikeLimit;
            }
            if (flags == kPad8)
            {
                m_dStrikeHeight -= kStrikeStep;
                if (m_dStrikeHeight < -kStrikeLimit)
                    m_dStrikeHeight = -kStrikeLimit;
            }
        }
        CDC* dc = AcquireWindowDC();
        DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, m_dStrikeHeight, m_dStrikeSide, m_dStrikeMode);
        ReleaseWindowDC(dc);
    }

    if (flags == kF5 || flags == kF6 || flags == kF7 || flags == kF8)
    {
        switch (flags)
        {
        case kF5:
            m_dRaiseAngle = 0;
            break;
        case kF6:  // one degree down, the mirror of F7
            m_dRaiseAngle = m_dRaiseAngle > 1 ? m_dRaiseAngle - 1 : 0;
            break;
        case kF7:
            m_dRaiseAngle = m_dRaiseAngle < kSteepestKeyRaise ? m_dRaiseAngle + 1 : kSteepestKeyRaise;
            break;
        default:
            m_dRaiseAngle = kSteepestKeyRaise;
            break;
        }
        CDC* dc = AcquireWindowDC();
        DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, m_dRaiseAngle);
        ReleaseWindowDC(dc);
    }
}
