#include "view/MirobeltView.h"

PositionValues CMirobeltView::CurrentPositionValues() const { return {}; }
void CMirobeltView::ApplyPositionValues(const PositionValues&) {}
void CMirobeltView::OnFileOpen() {}
void CMirobeltView::OnFileSave() {}
void CMirobeltView::OnFileSaveAs() {}
void CMirobeltView::OpenPositionFile(const QString&) {}
bool CMirobeltView::SavePositionFile(const QString&, const char*) { return false; }
