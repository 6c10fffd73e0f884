// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class CShotPhysics;

// The four cushions, named by the side of the table they bound in the
// ball-centre frame: x = 0 is the left of the window, y = 0 its top.
enum class Cushion : std::int8_t
{
    Left,
    Right,
    Top,
    Bottom,
};

// One contact of a shot, at the moment the computation applies its response.
struct Contact
{
    static constexpr std::int8_t kCushion = -1;

    std::uint32_t step = 0;     // integration step, 0 for the first of the shot
    std::int8_t ball = 0;       // 0 white, 1 red, 2 spotted
    std::int8_t other = 0;      // the other ball, or kCushion
    Cushion cushion = Cushion::Left;  // meaningful when other is kCushion

    bool IsCushion() const { return other == kCushion; }
};

// Told of every contact of the shots a physics computes, in the order the
// computation applies them. It only observes: the trajectories are the same
// with or without it. It may end the computation early; the trajectories are
// then the beginning of the full ones.
class ContactReceiver
{
public:
    virtual ~ContactReceiver() = default;

    // One ball-to-ball response or cushion impact. true ends the shot at the
    // next recorded sample.
    virtual bool OnContact(const Contact& contact) = 0;

    // Called at every recorded sample while the shot runs, with the physics
    // in its working state. true ends the shot there.
    virtual bool OnSample(const CShotPhysics& physics) = 0;
};
