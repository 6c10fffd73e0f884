#include "view/MirobeltView.h"

PositionEntry CMirobeltView::MakePositionEntry() const { return {}; }
void CMirobeltView::LoadPositionEntry(const PositionEntry&) {}
void CMirobeltView::RecordPosition() {}
void CMirobeltView::GoToPosition() {}
void CMirobeltView::OnPositionPrev() {}
void CMirobeltView::OnPositionNext() {}
void CMirobeltView::OnPositionDelete() {}
void CMirobeltView::OnPlayAndNext() {}
void CMirobeltView::OnPositionListSave() {}
void CMirobeltView::OnPositionListLoad() {}
