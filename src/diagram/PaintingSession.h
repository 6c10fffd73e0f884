// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt paints text and images only inside an application object. A tool that
// draws without a window holds a PaintingSession while it draws: it starts
// one on the offscreen platform (unless another is asked for) when none runs,
// and leaves C number formatting in place for the tool's own output.

#include <memory>

class QGuiApplication;

class PaintingSession
{
public:
    PaintingSession();
    ~PaintingSession();
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;  // null when one already runs
};
