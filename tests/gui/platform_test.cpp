// The drawing layer, the window drawing context and the key translation.

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "GuiTestSupport.h"
#include "platform/Gdi.h"
#include "platform/KeyInput.h"

namespace
{
QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

QImage WhiteImage(int w = 40, int h = 40)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
}  // namespace

TEST(PlatformDrawing, RectangleCoversLeftTopAndExcludesRightBottom)
{
    QImage image = WhiteImage();
    const CPen pen(1, RGB(0, 0, 0));
    const CBrush brush(RGB(255, 0, 0));
    {
        CDC dc(&image);
        dc.SelectPen(&pen);
        dc.SelectBrush(&brush);
        // An object without a handle is not selected.
        const CBrush none;
        EXPECT_EQ(dc.SelectBrush(&none), &brush);
        EXPECT_EQ(dc.SelectedBrush(), &brush);
        dc.Rectangle(10, 10, 20, 16);
    }
    EXPECT_EQ(At(image, 10, 10), Rgb(0, 0, 0));
    EXPECT_EQ(At(image, 19, 15), Rgb(0, 0, 0));
    EXPECT_EQ(At(image, 20, 15), Rgb(255, 255, 255));
    EXPECT_EQ(At(image, 19, 16), Rgb(255, 255, 255));
    EXPECT_EQ(At(image, 15, 13), Rgb(255, 0, 0));
}

TEST(PlatformDrawing, FillAndEllipseAndClip)
{
    QImage image = WhiteImage();
    const CPen pen(1, RGB(0, 0, 0));
    const CBrush green(RGB(0, 128, 0));
    {
        CDC dc(&image);
        dc.FillSolidRect(0, 0, 40, 40, RGB(0, 0, 255));
        dc.SetClipRect(0, 0, 20, 40);
        dc.FillSolidRect(0, 0, 40, 40, RGB(255, 0, 0));
        dc.RemoveClip();
        dc.SelectPen(&pen);
        dc.SelectBrush(&green);
        dc.Ellipse(24, 4, 36, 16);
    }
    EXPECT_EQ(At(image, 5, 5), Rgb(255, 0, 0));
    EXPECT_EQ(At(image, 25, 30), Rgb(0, 0, 255));
    EXPECT_EQ(At(image, 30, 10), Rgb(0, 128, 0));   // inside the ellipse
    EXPECT_EQ(At(image, 24, 4), Rgb(0, 0, 255));    // corner of its box stays
}

TEST(PlatformDrawing, ExclusiveOrClipLeavesTheEllipseOut)
{
    QImage image = WhiteImage();
    {
        CDC dc(&image);
        dc.XorClipEllipse(10, 10, 30, 30);
        dc.FillSolidRect(0, 0, 40, 40, RGB(0, 0, 0));
        dc.RemoveClip();
    }
    EXPECT_EQ(At(image, 20, 20), Rgb(255, 255, 255));  // centre of the ellipse untouched
    EXPECT_EQ(At(image, 2, 2), Rgb(0, 0, 0));
}

TEST(PlatformDrawing, BlockCopyReplacesPixels)
{
    CMemoryDC back;
    back.CreateCompatible(10, 10);
    back.DC()->FillSolidRect(0, 0, 10, 10, RGB(1, 2, 3));
    QImage image = WhiteImage();
    {
        CDC dc(&image);
        dc.BitBlt(5, 5, 10, 10, *back.DC(), 0, 0);
    }
    EXPECT_EQ(At(image, 5, 5), Rgb(1, 2, 3));
    EXPECT_EQ(At(image, 14, 14), Rgb(1, 2, 3));
    EXPECT_EQ(At(image, 15, 15), Rgb(255, 255, 255));
    back.Delete();
    EXPECT_FALSE(back.IsValid());
    EXPECT_FALSE(back.Bitmap().isNull());  // the bitmap outlives its context
}

TEST(PlatformWindowContext, AcquireTwiceReleaseOnceReleases)
{
    ViewHarness harness(300, 200);
    CMirobeltView& view = *harness.view;
    CDC* first = view.AcquireWindowDC();
    CDC* second = view.AcquireWindowDC();
    EXPECT_EQ(first, second);
    EXPECT_EQ(s_nWindowDCCount, 1);
    view.ReleaseWindowDC(second);
    EXPECT_EQ(s_nWindowDCCount, 0);
    view.ReleaseWindowDC(second);  // a further release does nothing
    EXPECT_EQ(s_nWindowDCCount, 0);
    EXPECT_EQ(view.Picture().width(), view.width() + 10);
}

TEST(PlatformWindowContext, ResizeKeepsThePictureSize)
{
    ViewHarness harness(300, 200);
    harness.view->resize(420, 260);
    EXPECT_EQ(harness.view->Picture().size(), QSize(430, 260));
}

namespace
{
KeyMessage Translate(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
{
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    return TranslateKeyEvent(event);
}
}  // namespace

TEST(PlatformKeys, ScanCodesAndStateBits)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        std::uint32_t flags;
    };
    const Case cases[] = {
        // Keypad keys: the same bare scan code with or without Num Lock.
        {Qt::Key_8, Qt::KeypadModifier, false, 0x48}, {Qt::Key_Up, Qt::KeypadModifier, false, 0x48},
        {Qt::Key_2, Qt::KeypadModifier, false, 0x50}, {Qt::Key_Down, Qt::KeypadModifier, false, 0x50},
        {Qt::Key_4, Qt::KeypadModifier, false, 0x4B}, {Qt::Key_Left, Qt::KeypadModifier, false, 0x4B},
        {Qt::Key_6, Qt::KeypadModifier, false, 0x4D}, {Qt::Key_Right, Qt::KeypadModifier, false, 0x4D},
        {Qt::Key_F5, Qt::NoModifier, false, 0x3F}, {Qt::Key_F7, Qt::NoModifier, false, 0x41},
        {Qt::Key_F8, Qt::NoModifier, false, 0x42},
        // The separate arrow keys are extended keys; Alt and auto-repeat set their bits.
        {Qt::Key_Up, Qt::NoModifier, false, 0x48 | KF_EXTENDED},
        {Qt::Key_F5, Qt::AltModifier, false, 0x3F | KF_ALTDOWN},
        {Qt::Key_F7, Qt::NoModifier, true, 0x41 | KF_REPEAT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Translate(c.key, c.modifiers, c.autoRepeat).flags, c.flags) << std::hex << c.key;
}

TEST(PlatformKeys, CommandKeysByVirtualCode)
{
    EXPECT_EQ(Translate(Qt::Key_Escape, Qt::NoModifier).key, 0x1Bu);
    EXPECT_EQ(Translate(Qt::Key_Return, Qt::NoModifier).key, 0x0Du);
    EXPECT_EQ(Translate(Qt::Key_Enter, Qt::KeypadModifier).key, 0x0Du);
    EXPECT_EQ(Translate(Qt::Key_Space, Qt::NoModifier).key, 0x20u);
    EXPECT_EQ(Translate(Qt::Key_D, Qt::ShiftModifier).key, 0x44u);
    EXPECT_EQ(Translate(Qt::Key_N, Qt::NoModifier).key, 0x4Eu);
    EXPECT_EQ(Translate(Qt::Key_N, Qt::NoModifier).repeatCount, 1u);
}
