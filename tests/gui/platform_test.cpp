// The drawing layer, the window drawing context and the key translation.

#include "GuiTestSupport.h"
#include "platform/Gdi.h"

namespace
{
void ExpectPixels(const QImage& image, std::initializer_list<std::tuple<int, int, QRgb>> pixels)
{
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, colour) << "at " << x << "," << y;
}

QImage WhiteImage()
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

const QRgb kWhite = Rgb(255, 255, 255), kBlack = Rgb(0, 0, 0), kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255);
}  // namespace

// A rectangle covers its left and top edges, not its right and bottom ones.
TEST(PlatformDrawing, RectangleAndSelection)
{
    QImage image = WhiteImage();
    const CPen pen(1, RGB(0, 0, 0));
    const CBrush brush(RGB(255, 0, 0)), none;
    {
        CDC dc(&image);
        dc.SelectPen(&pen);
        dc.SelectBrush(&brush);
        EXPECT_EQ(dc.SelectBrush(&none), &brush);  // an object without a handle is not selected
        EXPECT_EQ(dc.SelectedBrush(), &brush);
        dc.Rectangle(10, 10, 20, 16);
    }
    ExpectPixels(image, {{10, 10, kBlack}, {19, 15, kBlack}, {20, 15, kWhite}, {19, 16, kWhite}, {15, 13, kRed}});
}

TEST(PlatformDrawing, FillEllipseAndClips)
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
    // Inside the ellipse, and the corner of its box that stays.
    ExpectPixels(image, {{5, 5, kRed}, {25, 30, kBlue}, {30, 10, Rgb(0, 128, 0)}, {24, 4, kBlue}});

    // The exclusive-or clip leaves the ellipse out.
    image = WhiteImage();
    {
        CDC dc(&image);
        dc.XorClipEllipse(10, 10, 30, 30);
        dc.FillSolidRect(0, 0, 40, 40, RGB(0, 0, 0));
        dc.RemoveClip();
    }
    ExpectPixels(image, {{20, 20, kWhite}, {2, 2, kBlack}});
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
    ExpectPixels(image, {{5, 5, Rgb(1, 2, 3)}, {14, 14, Rgb(1, 2, 3)}, {15, 15, kWhite}});
    back.Delete();
    EXPECT_FALSE(back.IsValid());
    EXPECT_FALSE(back.Bitmap().isNull());  // the bitmap outlives its context
}

TEST(PlatformWindowContext, AcquireTwiceReleaseOnceReleasesAndResizeSizesThePicture)
{
    ViewHarness harness(300, 200);
    CMirobeltView& view = *harness.view;
    CDC* first = view.AcquireWindowDC();
    EXPECT_EQ(view.AcquireWindowDC(), first);
    EXPECT_EQ(s_nWindowDCCount, 1);
    view.ReleaseWindowDC(first);
    EXPECT_EQ(s_nWindowDCCount, 0);
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
        {Qt::Key_F8, none, false, 0x42, 0},
        // The separate arrow keys are extended keys; Alt and auto-repeat set their bits.
        {Qt::Key_Up, none, false, 0x48 | KF_EXTENDED, 0}, {Qt::Key_F5, Qt::AltModifier, false, 0x3F | KF_ALTDOWN, 0},
        {Qt::Key_F7, none, true, 0x41 | KF_REPEAT, 0}, {Qt::Key_Escape, none, false, 0, 0x1B},
        {Qt::Key_Return, none, false, 0, 0x0D}, {Qt::Key_Enter, pad, false, 0, 0x0D},
        {Qt::Key_Space, none, false, 0, 0x20}, {Qt::Key_D, Qt::ShiftModifier, false, 0, 0x44},
        {Qt::Key_N, none, false, 0, 0x4E}};
    for (const auto& [key, modifiers, autoRepeat, flags, virtualKey] : cases)
    {
        const KeyMessage message =
            TranslateKeyEvent(QKeyEvent(QEvent::KeyPress, key, modifiers, QString(), autoRepeat));
        // Each case gives either the scan code and bits or the virtual key.
        EXPECT_EQ(flags != 0 ? message.flags : message.key, flags | virtualKey) << std::hex << key;
        EXPECT_TRUE(autoRepeat || message.repeatCount == 1u) << std::hex << key;
    }
}
