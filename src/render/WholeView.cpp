#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CMirobeltView::OnDraw(CDC*) {}
void CMirobeltView::DrawBalls(CDC&) {}
void CMirobeltView::OnModeArtistic() {}
void CMirobeltView::OnModeNormal() {}
void CMirobeltView::OnColour() {}
void CMirobeltView::OnMonochrome() {}
void CMirobeltView::OnShowMarkers() {}
void CMirobeltView::OnFrameStyle() {}
void CMirobeltView::OnTableFormat() {}
void CMirobeltView::ApplyTableFormat() {}
