#include "view/MirobeltView.h"

bool CViewBall::HitTestAimBall(const CMirobeltView&, QPoint) const { return false; }
bool CViewBall::TryMoveBall(const CMirobeltView&, QPoint, double&, double&) { return false; }
bool CMarker::TryMoveMarker(const CMirobeltView&, QPoint, double&, double&) { return false; }
bool CWidgetRect::HitTestStrike(QPoint, double&, double&) { return false; }
bool CWidgetRect::HitTestRaise(QPoint, double&) const { return false; }
bool CWidgetRect::HitTestForce(QPoint, double&) const { return false; }
void CMirobeltView::OnLButtonDown(std::uint32_t, QPoint) {}
void CMirobeltView::OnLButtonUp(std::uint32_t, QPoint) {}
void CMirobeltView::OnMouseMove(std::uint32_t, QPoint) {}
void CMirobeltView::OnRButtonDown(std::uint32_t, QPoint) {}
void CMirobeltView::OnRButtonUp(std::uint32_t, QPoint) {}
void CMirobeltView::OnLButtonDblClk(std::uint32_t, QPoint) {}
