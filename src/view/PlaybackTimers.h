// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clocks of a played shot, so that the window keeps handling its events
// while the shot runs: the frame timer that asks for the next frame when it is
// due, and the pause the demonstration makes before a shot.

#include <QTimer>

#include <functional>
#include <utility>

class PlaybackTimers
{
public:
    PlaybackTimers(std::function<void()> onFrameDue, std::function<void()> onPauseEnd)
    {
        m_frame.setSingleShot(true);
        m_frame.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_frame, &QTimer::timeout, std::move(onFrameDue));
        m_pause.setSingleShot(true);
        m_pause.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the pause early
        QObject::connect(&m_pause, &QTimer::timeout, std::move(onPauseEnd));
    }

    // The next frame after the events waiting now, and at least ms later.
    void NextFrameIn(int ms) { m_frame.start(ms); }
    void StopFrames() { m_frame.stop(); }
    bool FramesRunning() const { return m_frame.isActive(); }

    void StartPause(int ms) { m_pause.start(ms); }
    void CancelPause() { m_pause.stop(); }
    bool Pausing() const { return m_pause.isActive(); }

private:
    QTimer m_frame;
    QTimer m_pause;
};
