// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyInput.h"

#include <QKeyEvent>

namespace
{
// Scan codes of the keys the program cares about (the keypad digits double as
// the cursor keys of the keypad).
std::uint32_t KeypadScanCode(int qtKey)
{
    switch (qtKey)
    {
    case Qt::Key_7: case Qt::Key_Home: return 0x47;
    case Qt::Key_8: case Qt::Key_Up: return 0x48;
    case Qt::Key_9: case Qt::Key_PageUp: return 0x49;
    case Qt::Key_4: case Qt::Key_Left: return 0x4B;
    case Qt::Key_5: case Qt::Key_Clear: return 0x4C;
    case Qt::Key_6: case Qt::Key_Right: return 0x4D;
    case Qt::Key_1: case Qt::Key_End: return 0x4F;
    case Qt::Key_2: case Qt::Key_Down: return 0x50;
    case Qt::Key_3: case Qt::Key_PageDown: return 0x51;
    case Qt::Key_0: case Qt::Key_Insert: return 0x52;
    case Qt::Key_Period: case Qt::Key_Delete: return 0x53;
    case Qt::Key_Enter: return 0x1C | KF_EXTENDED;
    case Qt::Key_Plus: return 0x4E;
    case Qt::Key_Minus: return 0x4A;
    case Qt::Key_Asterisk: return 0x37;
    case Qt::Key_Slash: return 0x35 | KF_EXTENDED;
    default: return 0;
    }
}

std::uint32_t KeypadVirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return vk::Numpad0 + static_cast<std::uint32_t>(qtKey - Qt::Key_0);
    switch (qtKey)
    {
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_End: return 0x23;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Enter: return vk::Return;
    default: return 0;
    }
}

std::uint32_t MainScanCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10)
        return 0x3B + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    switch (qtKey)
    {
    case Qt::Key_F11: return 0x57;
    case Qt::Key_F12: return 0x58;
    case Qt::Key_Escape: return 0x01;
    case Qt::Key_Return: return 0x1C;
    case Qt::Key_Space: return 0x39;
    case Qt::Key_Up: return 0x48 | KF_EXTENDED;
    case Qt::Key_Down: return 0x50 | KF_EXTENDED;
    case Qt::Key_Left: return 0x4B | KF_EXTENDED;
    case Qt::Key_Right: return 0x4D | KF_EXTENDED;
    case Qt::Key_Home: return 0x47 | KF_EXTENDED;
    case Qt::Key_End: return 0x4F | KF_EXTENDED;
    case Qt::Key_PageUp: return 0x49 | KF_EXTENDED;
    case Qt::Key_PageDown: return 0x51 | KF_EXTENDED;
    case Qt::Key_Insert: return 0x52 | KF_EXTENDED;
    case Qt::Key_Delete: return 0x53 | KF_EXTENDED;
    case Qt::Key_Tab: return 0x0F;
    case Qt::Key_Backspace: return 0x0E;
    default: break;
    }
    // Letter row scan codes of a standard keyboard.
    static const char* const kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const std::uint32_t kRowStart[] = {0x10, 0x1E, 0x2C};
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
    {
        for (int row = 0; row < 3; ++row)
            for (int i = 0; kRows[row][i] != 0; ++i)
                if (kRows[row][i] == static_cast<char>(qtKey))
                    return kRowStart[row] + static_cast<std::uint32_t>(i);
    }
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9)
        return 0x02 + static_cast<std::uint32_t>(qtKey - Qt::Key_1);
    if (qtKey == Qt::Key_0)
        return 0x0B;
    return 0;
}

std::uint32_t MainVirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<std::uint32_t>(qtKey);  // 'A'..'Z' whatever the case
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint32_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    switch (qtKey)
    {
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Return: return vk::Return;
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Tab: return 0x09;
    case Qt::Key_Backspace: return 0x08;
    default: return 0;
    }
}
}  // namespace

KeyMessage TranslateKeyEvent(const QKeyEvent& event)
{
    KeyMessage message;
    const int qtKey = event.key();
    if (event.modifiers() & Qt::KeypadModifier)
    {
        message.key = KeypadVirtualKey(qtKey);
        message.flags = KeypadScanCode(qtKey);
    }
    else
    {
        message.key = MainVirtualKey(qtKey);
        message.flags = MainScanCode(qtKey);
    }
    if (event.modifiers() & Qt::AltModifier)
        message.flags |= KF_ALTDOWN;
    if (event.isAutoRepeat())
        message.flags |= KF_REPEAT;
    message.repeatCount = static_cast<std::uint32_t>(std::max(1, event.count()));
    return message;
}

bool HeldKeys::Press(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return IsHeld(event.key());
    m_keys.insert(event.key());
    return true;
}

void HeldKeys::Release(const QKeyEvent& event)
{
    // The repeats of a held key come as release and press pairs.
    if (!event.isAutoRepeat())
        m_keys.erase(event.key());
}
