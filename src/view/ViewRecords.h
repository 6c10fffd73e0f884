// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain records of the table view: balls, markers, widget rectangles, the aim
// line and the aim aids.

#include <QPoint>

#include <cstdint>

#include "platform/Gdi.h"

class CMirobeltView;

class CViewBall
{
public:
    double x = 0;
    double y = 0;
    std::int32_t nDrag = 0;  // 1 while held by a right-button drag
    COLORREF crColour = 0;
    CViewBall* pOther[2] = {nullptr, nullptr};
    const CPen* pPen = nullptr;
    const CBrush* pBrush = nullptr;

    // Draws the ball, or with bErase repaints the cloth under it.
    void Draw(CMirobeltView& view, CDC& dc, int bErase);
    // Erases the ball at its present place while it is dragged to (newX, newY).
    void EraseDisc(CMirobeltView& view, CDC& dc, double newX, double newY);

    bool HitTestAimBall(const CMirobeltView& view, QPoint point) const;
    bool TryMoveBall(const CMirobeltView& view, QPoint point, double& outX, double& outY);
};

class CMarker
{
public:
    double x = 0;
    double y = 0;
    std::int32_t nDrag = 0;
    std::int32_t bHidden = 0;
    COLORREF crColour = 0;
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
    std::int32_t nState = -1;  // -1 until first drawn

    bool HitTestStrike(QPoint point, double& height, double& side);
    bool HitTestRaise(QPoint point, double& angle) const;
    bool HitTestForce(QPoint point, double& force) const;
};

class CAimLine
{
public:
    double dOriginX = 0;
    double dOriginY = 0;
    double dTargetX = 0;
    double dTargetY = 0;
    double dLastOriginX = 0;
    double dLastOriginY = 0;
    double dLastTargetX = 0;
    double dLastTargetY = 0;
    std::int32_t m_nAimBall = 0;  // 0 none, else 1..3
    std::int32_t bRedraw = 0;

    void Draw(CMirobeltView& view, CDC& dc);
    void ClearCoordinates();  // origin, target and their last-drawn copies
};

class CAimAid
{
public:
    CAimLine* pAim = nullptr;
    CViewBall* pBalls[3] = {nullptr, nullptr, nullptr};  // white, red, spotted

    void Draw(CMirobeltView& view, CDC& dc, const CAimLine& aim, int drawWidth, int drawHeight);
};
