// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain records of the table view: balls, markers, widget rectangles, the aim
// line and the aim aids.

#include <QPoint>

#include <cstdint>

#include "platform/Gdi.h"
#include "setup/TableSetUp.h"

class CMirobeltView;

// How a ball is drawn and whether it is held; where it lies is the set-up's
// (or, while a shot plays, the animation's).
class CViewBall
{
public:
    std::int32_t index = 0;  // 0 white, 1 red, 2 spotted
    std::int32_t nDrag = 0;  // 1 while held by a right-button drag
    const CPen* pPen = nullptr;
    const CBrush* pBrush = nullptr;

    // Draws the ball at its place, or with bErase repaints the cloth under it.
    void Draw(CMirobeltView& view, CDC& dc, const BallPlace& at, int bErase);
    // Erases the disc at the ball's present place before it is dragged on.
    void EraseDisc(CMirobeltView& view, CDC& dc, const BallPlace& at);

    // Both read the ball's place and the other two in the view's set-up.
    bool HitTestAimBall(const CMirobeltView& view, QPoint point) const;
    bool TryMoveBall(const CMirobeltView& view, QPoint point, double& outX, double& outY);
};

class CMarker
{
public:
    double x = 0;
    double y = 0;
    std::int32_t nDrag = 0;
    const CPen* pPen = nullptr;
    const CBrush* pBrush = nullptr;

    void Draw(CMirobeltView& view, CDC& dc, int bErase);
    void Erase(CMirobeltView& view, CDC& dc, double newX, double newY);
    bool TryMoveMarker(const CMirobeltView& view, QPoint point, double& outX, double& outY);
};

struct WidgetRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CWidgetRect
{
public:
    WidgetRect rc;
    std::int32_t nState = -1;  // -1 until first laid out
    // The raise cursor's needle as last drawn, to erase it; none at x 0.
    QPoint lastNeedleOuter{0, 0};
    QPoint lastNeedleInner{0, 0};

    bool HitTestStrike(QPoint point, double& height, double& side);
    bool HitTestRaise(QPoint point, double& angle) const;
    bool HitTestForce(QPoint point, double& force) const;
};

// The aim line as last drawn, to erase it before the set-up's is drawn.
class CAimLine
{
public:
    double dLastOriginX = 0;
    double dLastOriginY = 0;
    double dLastTargetX = 0;
    double dLastTargetY = 0;
    std::int32_t m_nAimBall = 0;  // 0 none, else 1..3
    std::int32_t bRedraw = 0;

    // Draws the set-up's aim line when it moved since the last drawing (or
    // bRedraw asks for it), erasing the last one.
    void Draw(CMirobeltView& view, CDC& dc);
    // The last-drawn line becomes none; with the set-up's aim cleared too,
    // nothing is drawn.
    void ForgetLastDrawn();
    // The last-drawn line differs from the set-up's, so the next Draw draws.
    void MarkStale(const AimLine& aim) { dLastOriginX = aim.originX - 1e-10; }
};

// The aids that follow the aim: the aim-ball marks and the fullness strip.
class CAimAid
{
public:
    // The ghost ball as last drawn, to erase it (table metres; negative: none).
    double lastGhostX = -1.0;
    double lastGhostY = -1.0;

    void Draw(CMirobeltView& view, CDC& dc, const AimLine& aim, int drawWidth, int drawHeight);
};
