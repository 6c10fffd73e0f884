// SPDX-License-Identifier: GPL-3.0-or-later
// The window drawing context and the key translation (the drawing itself:
// ScreenResolution.DrawingOperationsAsCheckedByEye).

#include "GuiTestSupport.h"

namespace
{
// Counts the paint events of the widget it watches.
struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override { paints += event->type() == QEvent::Paint; return false; }
};
}  // namespace

TEST(PlatformWindowContext, AcquireTwiceReleaseOnceReleasesAndResizeSizesThePicture)
{
    ViewHarness harness(300, 200);
    CMirobeltView& view = *harness.view;
    CDC* first = view.AcquireWindowDC();
    EXPECT_EQ(view.AcquireWindowDC(), first);
    EXPECT_EQ(s_nWindowDCCount, 1);
    view.repaint();  // what is drawn is on the screen when the release returns, also after a paint from Qt
    PaintCounter counter;
    view.installEventFilter(&counter);
    first->FillSolidRect(0, 0, 5, 5, RGB(0, 0, 255));
    view.ReleaseWindowDC(first);
    EXPECT_EQ(std::pair(s_nWindowDCCount, counter.paints), std::pair(0, 1));
    view.ReleaseWindowDC(first);  // a further release does nothing
    EXPECT_EQ(s_nWindowDCCount, 0);
    view.resize(420, 260);
    EXPECT_EQ(view.Picture().size(), QSize(430, 260));
}

TEST(PlatformKeys, ScanCodesStateBitsAndCommandKeys)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
    // Key, modifiers, auto-repeat; then the scan code and state bits, and the virtual key.
    const std::tuple<int, Qt::KeyboardModifiers, bool, std::uint32_t, std::uint32_t> cases[] = {
        // Keypad keys: the same bare scan code with or without Num Lock.
        {Qt::Key_8, pad, false, 0x48, 0}, {Qt::Key_Up, pad, false, 0x48, 0}, {Qt::Key_2, pad, false, 0x50, 0},
        {Qt::Key_Down, pad, false, 0x50, 0}, {Qt::Key_4, pad, false, 0x4B, 0}, {Qt::Key_Left, pad, false, 0x4B, 0},
        {Qt::Key_6, pad, false, 0x4D, 0}, {Qt::Key_Right, pad, false, 0x4D, 0}, {Qt::Key_F5, none, false, 0x3F, 0},
        {Qt::Key_F8, none, false, 0x42, 0}, {Qt::Key_9, pad, false, 0x49, 0x69}, {Qt::Key_0, pad, false, 0, 0x60},
        // The separate arrow keys are extended keys; Alt and auto-repeat set their bits.
        {Qt::Key_Up, none, false, 0x48 | KF_EXTENDED, 0}, {Qt::Key_F5, Qt::AltModifier, false, 0x3F | KF_ALTDOWN, 0},
        {Qt::Key_F7, none, true, 0x41 | KF_REPEAT, 0}, {Qt::Key_Escape, none, false, 0, 0x1B}, {Qt::Key_F24, none, false, 0, 0x87},
        {Qt::Key_Return, none, false, 0, 0x0D}, {Qt::Key_Enter, pad, false, 0, 0x0D},
        {Qt::Key_Space, none, false, 0, 0x20}, {Qt::Key_D, Qt::ShiftModifier, false, 0, 0x44},
        {Qt::Key_N, none, false, 0x31, 0x4E}, {Qt::Key_P, none, false, 0x19, 0x50},
        // The digit row: scan codes 2 to 11.
        {Qt::Key_1, none, false, 0x02, 0x31}, {Qt::Key_9, none, false, 0x0A, 0x39}, {Qt::Key_0, none, false, 0x0B, 0x30}};
    for (const auto& [key, modifiers, autoRepeat, flags, virtualKey] : cases)
    {
        const KeyMessage message =
            TranslateKeyEvent(QKeyEvent(QEvent::KeyPress, key, modifiers, QString(), autoRepeat));
        // Each case gives the scan code and bits, the virtual key, or both.
        EXPECT_TRUE(flags == 0 || message.flags == flags) << std::hex << key << " " << message.flags;
        EXPECT_TRUE(virtualKey == 0 || message.key == virtualKey) << std::hex << key << " " << message.key;
        EXPECT_TRUE(autoRepeat || message.repeatCount == 1u) << std::hex << key;
    }
}

// A logical box covers every device pixel it touches, even in part.
TEST(PlatformPixels, LogicalBoxesInDevicePixels)
{
    EXPECT_EQ(ToDevicePixels(QRect(1, 1, 3, 3), 1.5), QRect(1, 1, 5, 5));  // 1.5 to 6 in device pixels
}
