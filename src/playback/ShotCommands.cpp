#include "view/MirobeltView.h"

void CMirobeltView::OnShotPlay() {}
void CMirobeltView::OnShotInterrupt() {}
void CMirobeltView::OnShowTrajectory() {}
void CMirobeltView::RecomputeIfNeeded() {}
