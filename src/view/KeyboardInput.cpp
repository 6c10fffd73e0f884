#include "view/MirobeltView.h"

void CMirobeltView::OnKeyDown(std::uint32_t, std::uint32_t, std::uint32_t) {}
