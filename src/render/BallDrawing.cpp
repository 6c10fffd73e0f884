#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CViewBall::Draw(CMirobeltView&, CDC&, int) {}
void CViewBall::EraseDisc(CMirobeltView&, CDC&, double, double) {}
void CMarker::Draw(CMirobeltView&, CDC&, int) {}
void CMarker::Erase(CMirobeltView&, CDC&, double, double) {}
