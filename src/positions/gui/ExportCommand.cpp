#include "view/MirobeltView.h"

void CMirobeltView::ExportTrajectories() {}
