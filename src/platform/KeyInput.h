// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Key-down messages as the view's key handler reads them: a virtual-key code,
// a repeat count and a flags word whose low byte is the key's hardware scan
// code, with bits for an extended key, the Alt key and auto-repeat.

#include <cstdint>
#include <set>

class QKeyEvent;

constexpr std::uint32_t KF_EXTENDED = 0x0100;
constexpr std::uint32_t KF_ALTDOWN = 0x2000;
constexpr std::uint32_t KF_REPEAT = 0x4000;

namespace vk
{
constexpr std::uint32_t Return = 0x0D;
constexpr std::uint32_t Escape = 0x1B;
constexpr std::uint32_t Space = 0x20;
constexpr std::uint32_t Left = 0x25;
constexpr std::uint32_t Up = 0x26;
constexpr std::uint32_t Right = 0x27;
constexpr std::uint32_t Down = 0x28;
constexpr std::uint32_t Numpad0 = 0x60;
constexpr std::uint32_t F1 = 0x70;
}  // namespace vk

struct KeyMessage
{
    std::uint32_t key = 0;          // virtual-key code, 0 when the key has none
    std::uint32_t repeatCount = 1;
    std::uint32_t flags = 0;        // scan code and state bits
};

// Translates a Qt key press. Keypad keys give the same scan code with or
// without Num Lock; the separate arrow keys are extended keys; letters do not
// depend on case or Shift.
KeyMessage TranslateKeyEvent(const QKeyEvent& event);

// The keys pressed on a window and not yet released. A key still held when the
// window loses the focus counts as released there: its release goes to
// another window, and the repeats it sends once the focus comes back are not
// taken for the key being held on this one.
class HeldKeys
{
public:
    // Whether the press is handled: a first press always, a repeat only of a
    // key held since its first press here.
    bool Press(const QKeyEvent& event);
    void Release(const QKeyEvent& event);
    void ReleaseAll() { m_keys.clear(); }
    bool IsHeld(int qtKey) const { return m_keys.count(qtKey) != 0; }

private:
    std::set<int> m_keys;
};
