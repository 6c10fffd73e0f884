#include "view/MirobeltView.h"

void CMirobeltView::ComputeShot(int) {}
ShotSetup CMirobeltView::CurrentSetup() const { return {}; }
