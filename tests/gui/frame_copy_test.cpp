// SPDX-License-Identifier: GPL-3.0-or-later
// A played shot copies to the window, frame by frame, only what changed in the
// back buffer; at ratio 1, and at 1.5 and 2 in test_gui_scaled.

#include <QScreen>

#include <algorithm>
#include <cstring>

#include "GuiTestSupport.h"
#include "view/Animation.h"

namespace
{
// The picture as a whole-table copy of the back buffer leaves it.
QImage WithWholeTableCopy(const QImage& picture, const QImage& back)
{
    QImage expected = picture.copy();
    const std::size_t bytes = static_cast<std::size_t>(std::min(back.width(), expected.width())) * 4;
    for (int y = 0; y < std::min(back.height(), expected.height()); ++y)
        std::memcpy(expected.scanLine(y), back.constScanLine(y), bytes);
    return expected;
}
}  // namespace

// The white ball rolls along y = 0.3 m over the markers and across the grid.
// Each frame shows on the screen what a whole-table copy would; after the
// shot the table is what a fresh draw makes of it.
TEST(FrameCopy, EachFrameShowsAWholeTableCopyAndTheEndAFreshDraw)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    g_bShowMarkers = 1;
    for (int i = 0; i < kMarkerCount; ++i)
    {
        v.m_markers[i].x = 0.2 * i + 0.3;
        v.m_markers[i].y = 0.3 + 0.01 * (i % 3);
    }
    v.m_nFrameStyle = 4;
    SetUpShortShot(v, 0.05);
    h.Draw();

    PaintBlue(v);  // the first frame copies the whole table over it
    v.m_bAnimating = 1;
    int frames = 0;
    while (v.m_bAnimating != 0 && frames < 3000)
    {
        const QImage before = v.Picture().copy();
        QThread::msleep(5);
        const std::uint32_t tick = v.m_nAnimTick;
        v.AnimateShotStep();
        if (v.m_bAnimating == 0 || v.m_nAnimTick == tick)
            continue;  // the shot ended, or no frame was due yet
        ++frames;
        const QImage& picture = v.Picture();
        ASSERT_TRUE(picture == WithWholeTableCopy(before, AnimationBackBuffer())) << "frame " << frames;
        // What the screen shows of the view: its backing store.
        const QImage screen = v.screen()->grabWindow(v.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_TRUE(screen == picture.copy(screen.rect())) << "frame " << frames;
    }
    EXPECT_GT(frames, 30);
    EXPECT_EQ(v.m_bAnimating, 0);
    const QRect table = ToDevicePixels(QRect(0, 0, 497, 270), v.devicePixelRatioF());  // table and margins
    const QImage played = v.Picture().copy(table);
    h.Draw();
    EXPECT_TRUE(played == v.Picture().copy(table));
    g_bShowMarkers = 0;
}
