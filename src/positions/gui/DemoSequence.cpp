#include "view/MirobeltView.h"

void CMirobeltView::OnTimer(int) {}
void CMirobeltView::LoadDemoSequence() {}
void CMirobeltView::StartDemoTimer() {}
void CMirobeltView::KillDemoTimer() {}
void CMirobeltView::WaitMilliseconds(int) {}
