#include "view/MirobeltView.h"

void CMirobeltView::AnimateShotStep() {}
void CMirobeltView::PlayShotLoop() {}
void CMirobeltView::OnShotFinalPosition() {}
