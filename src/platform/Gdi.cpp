// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Gdi.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QRect ToDevicePixels(const QRect& box, double ratio)
{
    if (ratio == 1.0 || box.isEmpty())
        return box;
    const int left = static_cast<int>(std::floor(box.left() * ratio));
    const int top = static_cast<int>(std::floor(box.top() * ratio));
    const int right = static_cast<int>(std::ceil((box.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::ceil((box.bottom() + 1) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

QSize ToDeviceSize(const QSize& size, double ratio)
{
    return QSize(static_cast<int>(std::ceil(size.width() * ratio)), static_cast<int>(std::ceil(size.height() * ratio)));
}

// The painter scales by the image's ratio by itself (never below 1).
CDC::CDC(QImage* target) : m_pTarget(target), m_dRatio(std::max(1.0, target->devicePixelRatio()))
{
    m_painter.begin(target);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::NoBrush);
}

CDC::CDC(QPaintDevice* device) : m_pTarget(nullptr), m_dRatio(std::max(1.0, device->devicePixelRatioF()))
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
    // One pixel: the thinnest line of the device at ratio 1, one logical pixel above.
    if (m_dRatio == 1.0)
        pen.setWidth(m_pPen->Width() <= 1 ? 0 : m_pPen->Width());
    else
        pen.setWidth(std::max(1, m_pPen->Width()));
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

template <typename Draw>
void CDC::Stroke(Draw draw)
{
    if (m_dRatio == 1.0)
    {
        draw();
        return;
    }
    const QTransform transform = m_painter.transform();
    m_painter.translate(0.5, 0.5);
    draw();
    m_painter.setTransform(transform);
}

QRect CDC::Reach(const QRect& r) const
{
    const int grow = m_pPen != nullptr ? m_pPen->Width() + 1 : 1;
    return r.normalized().adjusted(-grow, -grow, grow, grow);
}

// The clip as far as the drawing reaches: a complex clip costs the painter in
// proportion to its extent, and most drawings are small.
void CDC::ClipTo(const QRect& reach)
{
    if (!m_bClip)
        return;
    if (!m_bHole)
        m_painter.setClipRegion(m_clip & reach);
    else if (!reach.intersects(m_rcHole))
        m_painter.setClipRect(Surface());  // clear of the ellipse: the whole surface
    else
        m_painter.setClipRegion(QRegion(reach).subtracted(HoleEllipse()));
}

const QRegion& CDC::HoleEllipse()
{
    if (m_holeEllipse.isEmpty())
        m_holeEllipse = QRegion(m_rcHole, QRegion::Ellipse);
    return m_holeEllipse;
}

QRect CDC::Surface() const
{
    const QPaintDevice* device = m_painter.device();
    return QRect(0, 0, static_cast<int>(std::ceil(device->width() / m_dRatio)),
                 static_cast<int>(std::ceil(device->height() / m_dRatio)));
}

const QRegion& CDC::ClipRegion()
{
    if (m_bHole)
    {
        m_clip = QRegion(Surface()).xored(HoleEllipse());
        m_bHole = false;
    }
    return m_clip;
}

void CDC::Touch(const QRect& box)
{
    m_rcDirty |= box;
    if (m_nTouches < kTrackedTouches)
        m_touchedBoxes[m_nTouches] = box;
    if (m_nTouches <= kTrackedTouches)
        ++m_nTouches;
}

QRegion CDC::Dirty() const
{
    if (m_nTouches > kTrackedTouches)
        return QRegion(m_rcDirty);
    QRegion region;
    for (int i = 0; i < m_nTouches; ++i)
        region |= m_touchedBoxes[i];
    return region;
}

void CDC::Ellipse(int left, int top, int right, int bottom)
{
    const QRect reach = Reach(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    ClipTo(reach);
    if (right - left <= 1 || bottom - top <= 1)
    {
        // A box of a pixel or less: a single point in the outline colour.
        if (m_pPen != nullptr)
        {
            m_painter.setPen(ToQColor(m_pPen->Colour()));
            Stroke([&] { m_painter.drawPoint(left, top); });
            ApplyPen();
        }
    }
    else
    {
        Stroke([&] { m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1)); });
    }
    Touch(reach);
}

void CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const QRect reach = Reach(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    ClipTo(reach);
    if (m_pBrush != nullptr && right - left > 2 && bottom - top > 2)
        m_painter.fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), ToQColor(m_pBrush->Colour()));
    if (m_pPen != nullptr && right > left && bottom > top)
    {
        m_painter.setBrush(Qt::NoBrush);
        Stroke([&] { m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1)); });
        ApplyBrush();
    }
    Touch(reach);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour)
{
    if (width <= 0 || height <= 0)
        return;  // an empty box paints nothing
    const QRect r(x, y, width, height);
    const QRect reach = Reach(r);
    ClipTo(reach);
    m_painter.fillRect(r, ToQColor(colour));
    Touch(reach);
}

void CDC::MoveTo(int x, int y)
{
    m_ptCurrent = QPoint(x, y);
}

void CDC::LineTo(int x, int y)
{
    const QPoint to(x, y);
    const QRect reach = Reach(QRect(m_ptCurrent, to));
    // A line to the current point itself draws nothing.
    if (m_pPen != nullptr && to != m_ptCurrent)
    {
        ClipTo(reach);
        Stroke([&] { m_painter.drawLine(m_ptCurrent, to); });
    }
    Touch(reach);
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
    QRect bounds(points[0], points[0]);
    for (int i = 1; i < count; ++i)
        bounds |= QRect(points[i], points[i]);
    const QRect reach = Reach(bounds);
    ClipTo(reach);
    m_painter.setBrush(Qt::NoBrush);
    Stroke([&] { m_painter.drawPolygon(points, count); });
    ApplyBrush();
    Touch(reach);
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
    const int startAngle = static_cast<int>(std::lround(startDeg * 16));
    const int spanAngle = static_cast<int>(std::lround(span * 16));
    const QRect reach = Reach(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    ClipTo(reach);
    Stroke([&] { m_painter.drawArc(QRect(left, top, right - left - 1, bottom - top - 1), startAngle, spanAngle); });
    Touch(reach);
}

void CDC::SetClipRect(int left, int top, int right, int bottom)
{
    m_clip = QRegion(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    m_bClip = true;
    m_bHole = false;
}

void CDC::XorClipEllipse(int left, int top, int right, int bottom)
{
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (!m_bClip)
    {
        // The whole surface but the ellipse, made into a region only where a
        // drawing comes near it.
        m_bClip = true;
        m_bHole = true;
        m_rcHole = box;
        m_holeEllipse = QRegion();
        return;
    }
    m_clip = ClipRegion().xored(QRegion(box, QRegion::Ellipse));
}

void CDC::RemoveClip()
{
    m_bClip = false;
    m_bHole = false;
    m_clip = QRegion();
    // Not setClipping(false): after it, the raster engine ignores the next
    // clip region that is not a rectangle (the hole of XorClipEllipse).
    m_painter.setClipRect(Surface());
}

void CDC::BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY)
{
    const QRect box(x, y, width, height);
    const bool sameDevicePixels = m_dRatio == source.m_dRatio && m_pTarget->format() == source.m_pTarget->format() &&
                                  m_pTarget->depth() == 32;
    if (sameDevicePixels)
    {
        const QRect to = ToDevicePixels(box, m_dRatio);
        const QRect from = ToDevicePixels(QRect(sourceX, sourceY, width, height), m_dRatio);
        CopyDevicePixels(to, source, from.topLeft() - to.topLeft());
    }
    else
    {
        ClipTo(box);
        const QPainter::CompositionMode mode = m_painter.compositionMode();
        m_painter.setCompositionMode(QPainter::CompositionMode_Source);
        if (source.m_dRatio == 1.0)
            m_painter.drawImage(QPoint(x, y), *source.m_pTarget, QRect(sourceX, sourceY, width, height));
        else
            m_painter.drawImage(QRectF(box), *source.m_pTarget,
                                QRectF(ToDevicePixels(QRect(sourceX, sourceY, width, height), source.m_dRatio)));
        m_painter.setCompositionMode(mode);
    }
    Touch(Reach(box));
}

// Row by row in device pixels, within both images and the clip. The image
// being painted is never shared with a copy, so its bits are the painter's.
void CDC::CopyDevicePixels(const QRect& box, const CDC& source, QPoint sourceOffset)
{
    QRegion area = QRegion(box & m_pTarget->rect()) & source.m_pTarget->rect().translated(-sourceOffset);
    if (m_bClip)
    {
        QRegion clip;
        for (const QRect& r : ClipRegion())
            clip |= ToDevicePixels(r, m_dRatio);
        area &= clip;
    }
    const QImage& from = *source.m_pTarget;
    for (const QRect& r : area)
    {
        const std::size_t bytes = static_cast<std::size_t>(r.width()) * 4;
        for (int row = r.top(); row <= r.bottom(); ++row)
        {
            const uchar* in = from.constScanLine(row + sourceOffset.y()) + (r.left() + sourceOffset.x()) * 4;
            std::memcpy(m_pTarget->scanLine(row) + r.left() * 4, in, bytes);
        }
    }
}

void CMemoryDC::CreateCompatible(int width, int height, double ratio)
{
    Delete();
    const QSize size(std::max(width, 1), std::max(height, 1));
    m_bitmap = QImage(ToDeviceSize(size, ratio), QImage::Format_RGB32);
    m_bitmap.setDevicePixelRatio(ratio);
    m_bitmap.fill(Qt::white);
    m_pDC = std::make_unique<CDC>(&m_bitmap);
}

void CMemoryDC::Delete()
{
    m_pDC.reset();
}
