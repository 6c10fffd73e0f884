// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessagePump.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "sim/ShotPhysics.h"

namespace
{
bool s_bQuitRequested = false;
QPoint s_ptPointerMark;
}  // namespace

void PumpPendingMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForNextMessage(int wakeAfterMs)
{
    if (wakeAfterMs > 0)
    {
        // A single-shot wake-up so that the wait ends in time for the next frame.
        QTimer waker;
        waker.setSingleShot(true);
        waker.setTimerType(Qt::PreciseTimer);
        waker.start(wakeAfterMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    else
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void RequestQuit()
{
    s_bQuitRequested = true;
}

bool IsQuitRequested()
{
    return s_bQuitRequested;
}

void ClearQuitRequest()
{
    s_bQuitRequested = false;
}

std::uint64_t MillisecondClock()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Start above 0: a reading of 0 means "never" to the animation.
    return static_cast<std::uint64_t>(clock.elapsed()) + 1000;
}

void MarkPointerPosition()
{
    s_ptPointerMark = QCursor::pos();
}

bool PointerMovedSinceMark()
{
    return QCursor::pos() != s_ptPointerMark;
}

void InstallPointerWatch()
{
    g_pfnPointerMoved = &PointerMovedSinceMark;
}
