// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
// The first paint of the view draws the whole table.
class FirstTableProbe : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_bSeen)
            return false;
        m_bSeen = true;
        // Queued: runs once this paint has been handed to the screen.
        QMetaObject::invokeMethod(
            this,
            [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("first-table %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_bSeen = false;
};
}  // namespace

void WatchForFirstTable(QWidget* view)
{
    if (std::getenv("MIROBELT_STARTUP_PROBE") == nullptr)
        return;
    view->installEventFilter(new FirstTableProbe(view));
}
