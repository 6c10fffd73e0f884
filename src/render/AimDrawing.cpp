#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CAimLine::Draw(CMirobeltView&, CDC&) {}
void CAimLine::ClearCoordinates() {}
void CAimAid::Draw(CMirobeltView&, CDC&, const CAimLine&, int, int) {}
