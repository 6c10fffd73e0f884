#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CMirobeltView::ComputeLayout(const TableGeometry&) {}
int CMirobeltView::MapX(double x) const { return MetresToPixel(x, m_dPixPerMetreX, m_nOriginPx); }
int CMirobeltView::MapY(double y) const { return MetresToPixel(y, m_dPixPerMetreX, m_nOriginPx); }
double CMirobeltView::PixelToTableX(int px) const { return (px - m_nOriginPx) * m_dMetrePerPixX; }
double CMirobeltView::PixelToTableY(int py) const { return (py - m_nOriginPx) * m_dMetrePerPixX; }
