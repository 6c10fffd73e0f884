#include "platform/Gdi.h"

#include <QPainterPath>

#include <cmath>

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

CDC::CDC(QImage* target) : m_pTarget(target)
{
    m_painter.begin(target);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::NoBrush);
}

CDC::CDC(QPaintDevice* device) : m_pTarget(nullptr)
{
    m_painter.begin(device);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::NoBrush);
}

CDC::~CDC()
{
    m_painter.end();
}

const CPen* CDC::SelectPen(const CPen* pen)
{
    const CPen* previous = m_pPen;
    if (pen != nullptr && pen->HasHandle())
    {
        m_pPen = pen;
        ApplyPen();
    }
    return previous;
}

const CBrush* CDC::SelectBrush(const CBrush* brush)
{
    const CBrush* previous = m_pBrush;
    if (brush != nullptr && brush->HasHandle())
    {
        m_pBrush = brush;
        ApplyBrush();
    }
    return previous;
}

void CDC::ApplyPen()
{
    if (m_pPen == nullptr)
    {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(m_pPen->Colour()));
    pen.setWidth(m_pPen->Width() <= 1 ? 0 : m_pPen->Width());
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void CDC::ApplyBrush()
{
    if (m_pBrush == nullptr)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(ToQColor(m_pBrush->Colour()));
}

void CDC::Touch(const QRect& r)
{
    const int grow = m_pPen != nullptr ? m_pPen->Width() + 1 : 1;
    m_rcDirty |= r.normalized().adjusted(-grow, -grow, grow, grow);
}

void CDC::Ellipse(int left, int top, int right, int bottom)
{
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (right - left <= 1 || bottom - top <= 1)
    {
        // A box of a pixel or less: a single point in the outline colour.
        if (m_pPen != nullptr)
        {
            m_painter.save();
            m_painter.setPen(ToQColor(m_pPen->Colour()));
            m_painter.drawPoint(left, top);
            m_painter.restore();
        }
    }
    else
    {
        m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    Touch(box);
}

void CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (m_pBrush != nullptr && right - left > 2 && bottom - top > 2)
        m_painter.fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), ToQColor(m_pBrush->Colour()));
    if (m_pPen != nullptr && right > left && bottom > top)
    {
        m_painter.save();
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
        m_painter.restore();
    }
    Touch(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour)
{
    if (width <= 0 || height <= 0)
        return;  // an empty box paints nothing
    const QRect r(x, y, width, height);
    m_painter.fillRect(r, ToQColor(colour));
    Touch(r);
}

void CDC::MoveTo(int x, int y)
{
    m_ptCurrent = QPoint(x, y);
}

void CDC::LineTo(int x, int y)
{
    const QPoint to(x, y);
    // A line to the current point itself draws nothing.
    if (m_pPen != nullptr && to != m_ptCurrent)
        m_painter.drawLine(m_ptCurrent, to);
    Touch(QRect(m_ptCurrent, to));
    m_ptCurrent = to;
}

void CDC::Line(int x0, int y0, int x1, int y1)
{
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void CDC::Polygon(const QPoint* points, int count)
{
    if (count <= 0)
        return;
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolygon(points, count);
    m_painter.restore();
    QRect bounds(points[0], points[0]);
    for (int i = 1; i < count; ++i)
        bounds |= QRect(points[i], points[i]);
    Touch(bounds);
}

void CDC::Polyline(const QPoint* points, int count)
{
    if (count < 2)
        return;
    if (m_pTarget != nullptr)
    {
        // On a picture, segment by segment: each one ends on its last pixel
        // as LineTo draws it, where a polyline would leave the end open.
        MoveTo(points[0].x(), points[0].y());
        for (int i = 1; i < count; ++i)
            LineTo(points[i].x(), points[i].y());
        return;
    }
    if (m_pPen != nullptr)
        m_painter.drawPolyline(points, count);
    QRect bounds(points[0], points[0]);
    for (int i = 1; i < count; ++i)
        bounds |= QRect(points[i], points[i]);
    Touch(bounds);
    m_ptCurrent = points[count - 1];
}

void CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    // Screen y grows downwards; Qt's angles grow counter-clockwise on screen.
    const double startDeg = std::atan2(-(yStart - cy), xStart - cx) * 180.0 / M_PI;
    const double endDeg = std::atan2(-(yEnd - cy), xEnd - cx) * 180.0 / M_PI;
    double span = endDeg - startDeg;
    while (span <= 0)
        span += 360.0;
    while (span > 360.0)
        span -= 360.0;
    m_painter.drawArc(QRect(left, top, right - left - 1, bottom - top - 1), static_cast<int>(std::lround(startDeg * 16)),
                      static_cast<int>(std::lround(span * 16)));
    Touch(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void CDC::SetClipRect(int left, int top, int right, int bottom)
{
    m_clip = QRegion(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    m_bClip = true;
    m_painter.setClipRegion(m_clip);
}

void CDC::XorClipEllipse(int left, int top, int right, int bottom)
{
    const QRegion ellipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), QRegion::Ellipse);
    const QRegion present = m_bClip ? m_clip : QRegion(m_pTarget->rect());
    m_clip = present.xored(ellipse);
    m_bClip = true;
    m_painter.setClipRegion(m_clip);
}

void CDC::RemoveClip()
{
    m_bClip = false;
    m_clip = QRegion();
    m_painter.setClipping(false);
}

void CDC::BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY)
{
    const QPainter::CompositionMode mode = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(QPoint(x, y), *source.m_pTarget, QRect(sourceX, sourceY, width, height));
    m_painter.setCompositionMode(mode);
    Touch(QRect(x, y, width, height));
}

void CMemoryDC::CreateCompatible(int width, int height)
{
    Delete();
    m_bitmap = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_bitmap.fill(Qt::white);
    m_pDC = std::make_unique<CDC>(&m_bitmap);
}

void CMemoryDC::Delete()
{
    m_pDC.reset();
}
