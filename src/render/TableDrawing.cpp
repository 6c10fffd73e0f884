#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CMirobeltView::DrawTable(CDC&, const TableGeometry&) {}
void CMirobeltView::DrawTableMarks(CDC&, const TableGeometry&) {}
void CMirobeltView::DrawSpot(CDC&, int, int) {}
