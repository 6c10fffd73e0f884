// SPDX-License-Identifier: GPL-3.0-or-later
// The view's picture at the screen's pixel ratio: 1 with the other window
// tests, QT_SCALE_FACTOR 1.5 and 2 in test_gui_scaled. Whatever the ratio, the
// program's pixels and metres are the same; only the picture has more pixels
// (a ball's disc of them: the ellipse in DrawingOperationsAsCheckedByEye).

#include <QRegion>

#include <cstdlib>

#include "GuiTestSupport.h"

namespace
{
double ScreenRatio()
{
    const char* factor = std::getenv("QT_SCALE_FACTOR");
    return factor != nullptr ? std::atof(factor) : 1.0;
}

QRgb DevicePixel(const QImage& picture, double x, double y)
{
    return picture.pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
}
}  // namespace

// Every drawing operation: pens keep their width and boxes their edges in
// logical pixels; a block copy covers its whole logical box, within the clip.
TEST(ScreenResolution, DrawingOperationsAsCheckedByEye)
{
    const double ratio = ScreenRatio();
    QImage image(ToDeviceSize(QSize(120, 70), ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    CMemoryDC back;
    back.CreateCompatible(20, 20, ratio);
    back.DC()->FillSolidRect(0, 0, 20, 10, RGB(200, 0, 200));
    const CPen thin(1, RGB(0, 0, 0)), thick(3, RGB(0, 0, 255));
    const CBrush red(RGB(255, 0, 0));
    const QPoint points[] = {{50, 20}, {70, 24}, {60, 36}, {52, 30}};
    {
        CDC dc(&image);
        dc.SelectPen(&thin);
        dc.SelectBrush(&red);
        dc.Rectangle(2, 2, 20, 12);
        dc.Ellipse(24, 2, 44, 16);
        dc.Ellipse(46, 12, 47, 13);  // a box of one pixel: a point
        dc.FillSolidRect(48, 2, 10, 6, RGB(0, 128, 0));
        dc.Line(2, 20, 40, 30);
        dc.Polyline(points, 4);
        dc.Arc(74, 2, 100, 28, 100, 15, 74, 15);
        dc.SelectPen(&thick);
        dc.Line(2, 36, 40, 36);
        dc.Polygon(points, 3);
        dc.SetClipRect(2, 44, 40, 66);
        dc.XorClipEllipse(10, 46, 30, 64);
        dc.FillSolidRect(0, 40, 60, 30, RGB(0, 0, 255));
        dc.RemoveClip();
        for (const QRect hole : {QRect(64, 44, 20, 20), QRect(105, 21, 10, 10)})
        {
            dc.XorClipEllipse(hole.left(), hole.top(), hole.right() + 1, hole.bottom() + 1);
            dc.FillSolidRect(hole.left() - 4, hole.top() - 4, hole.width() + 8, hole.height() + 8, RGB(255, 128, 0));
            dc.RemoveClip();
        }
        dc.SetClipRect(94, 44, 114, 64);
        dc.XorClipEllipse(100, 48, 110, 58);
        dc.BitBlt(94, 44, 20, 20, *back.DC(), 0, 0);
    }
    ExpectGolden(image, QStringLiteral("drawing-at-%1").arg(ratio));
}

TEST(ScreenResolution, ARightDragPutsTheBallUnderThePointer)
{
    const double ratio = ScreenRatio();
    ViewHarness h(490, 300);  // origin 26 px, 444 px for 2.489 m, at any ratio
    CMirobeltView& v = *h.view;
    EXPECT_EQ(h.Draw().size(), QSize(std::ceil(500 * ratio), std::ceil(300 * ratio)));
    Mouse(v, QEvent::MouseButtonPress, {43, 79}, Qt::RightButton, Qt::RightButton);  // on the white ball
    Mouse(v, QEvent::MouseMove, {200, 150}, Qt::NoButton, Qt::RightButton);
    Mouse(v, QEvent::MouseButtonRelease, {200, 150}, Qt::RightButton, Qt::NoButton);
    EXPECT_NEAR(v.SetUp().balls[0].x, 174 * 2.489 / 444, 1e-12);
    EXPECT_NEAR(v.SetUp().balls[0].y, 124 * 2.489 / 444, 1e-12);
    // Drawn there: white under the pointer, cloth a radius and a half away.
    EXPECT_EQ(DevicePixel(v.Picture(), 200.5 * ratio, 150.5 * ratio), Rgb(255, 255, 255));
    EXPECT_EQ(DevicePixel(v.Picture(), 208.5 * ratio, 150.5 * ratio), Rgb(0, 128, 0));
}

// After the window shrinks, and again after the table becomes the half table,
// no rail, cloth or widget colour is left outside the new table and widgets.
TEST(ScreenPicture, NothingOfTheOldTableStaysAfterAShrinkAndAFormatChange)
{
    const double ratio = ScreenRatio();
    ViewHarness h(800, 500);
    CMirobeltView& v = *h.view;
    v.ApplyTableFormat(3);  // 2.84 m
    Edit(v)->aim = AimLine{0.1, 0.3, 0.6, 0.3};  // the fullness strip is drawn
    h.Draw();
    // The table with its rails, the three widgets (their pens reach a pixel
    // further at ratio 1.5), and the fullness strip under the force bar (54 to
    // 274 across, 356 to 378 down at 600 x 380).
    const auto stalePixels = [&] {
        QRegion painted(0, 0, v.m_nTableLengthPx + 2 * v.m_nMarginPx + 1, v.m_nTableWidthPx + 2 * v.m_nMarginPx + 1);
        for (const CWidgetRect* widget : {&v.m_strikeWidget, &v.m_raiseCursor, &v.m_forceBar})
            painted |= QRect(QPoint(widget->rc.left, widget->rc.top), QPoint(widget->rc.right + 1, widget->rc.bottom + 1));
        painted |= QRect(QPoint(54, 356), QPoint(274, 378));
        int stale = 0;
        for (int y = 0; y < 380; ++y)
            for (int x = 0; x < 610; ++x)
            {
                const QRgb c = DevicePixel(v.Picture(), (x + 0.5) * ratio, (y + 0.5) * ratio);
                stale += !painted.contains(QPoint(x, y)) && (c == Rgb(128, 128, 0) || c == Rgb(0, 128, 0) ||
                                                              c == Rgb(128, 128, 128) || c == Rgb(0, 0, 0));
            }
        return stale;
    };
    v.resize(600, 380);
    EXPECT_EQ(stalePixels(), 0);
    v.ApplyTableFormat(0);
    EXPECT_EQ(stalePixels(), 0);
}
