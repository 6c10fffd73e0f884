// A played shot copies to the window, frame by frame, only what changed in the
// back buffer. Run at ratio 1 with the other window tests and again at ratios
// 1.5 and 2 (test_gui_scaled).

#include <gtest/gtest.h>

#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstring>

#include "GuiTestSupport.h"
#include "playback/Animation.h"

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

// What the screen shows of the view: its backing store.
QImage Screen(const CMirobeltView& view)
{
    return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The white ball rolls along y = 0.3 m over the markers and across the grid.
void SetUpShotOverMarkers(ViewHarness& h, int frameStyle, bool markers)
{
    CMirobeltView& v = *h.view;
    g_bShowMarkers = markers ? 1 : 0;
    for (int i = 0; i < kMarkerCount; ++i)
    {
        v.m_markers[i].x = 0.2 * i + 0.3;
        v.m_markers[i].y = 0.3 + 0.01 * (i % 3);
    }
    v.m_nFrameStyle = frameStyle;
    v.m_nCueBall = 1;
    v.m_dForce = 0.05;
    v.m_aim = CAimLine{0.1, 0.3, 0.6, 0.3};
    v.m_balls[1].x = 1.2;
    v.m_balls[1].y = 0.9;
    v.m_balls[2].x = 2.0;
    v.m_balls[2].y = 1.0;
    h.Draw();
    g_bNoMouseAbort = 1;
    v.RecomputeIfNeeded();
}

// Plays the shot one frame at a time; after each frame, check(before) with
// the picture before that frame.
template <typename Check>
int PlayFrames(CMirobeltView& v, Check check)
{
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
        check(before);
        if (::testing::Test::HasFailure())
            break;
    }
    return frames;
}
}  // namespace

TEST(FrameCopy, EachFrameShowsWhatAWholeTableCopyShows)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    SetUpShotOverMarkers(h, 4, true);
    const int frames = PlayFrames(v, [&](const QImage& before) {
        const QImage& picture = v.Picture();
        ASSERT_TRUE(picture == WithWholeTableCopy(before, AnimationBackBuffer()));
        const QImage screen = Screen(v);
        ASSERT_TRUE(screen == picture.copy(screen.rect()));
    });
    EXPECT_GT(frames, 30);
    g_bShowMarkers = 0;
}

TEST(FrameCopy, AfterTheShotThePictureIsAFreshDrawOfTheTable)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    SetUpShotOverMarkers(h, 0, false);
    EXPECT_GT(PlayFrames(v, [](const QImage&) {}), 30);
    EXPECT_EQ(v.m_bAnimating, 0);
    const double ratio = v.devicePixelRatioF();
    const QRect table = ToDevicePixels(QRect(0, 0, 497, 270), ratio);  // table and margins
    const QImage played = v.Picture().copy(table);
    h.Draw();
    EXPECT_TRUE(played == v.Picture().copy(table));
}
