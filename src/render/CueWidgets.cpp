#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CMirobeltView::DrawStrikeBall(CDC&, int, int, double, double, double) {}
void CMirobeltView::DrawRaiseCursor(CDC&, int, int, double) {}
void CMirobeltView::DrawForceBar(CDC&, int, int, double) {}
