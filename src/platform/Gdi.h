// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small drawing layer over QPainter with the semantics the view's drawing
// code is written for: pens and brushes selected into a drawing context,
// boxes given as (left, top, right, bottom) with right and bottom excluded,
// a current point for lines, clip regions, and block copies between contexts.
//
// Every coordinate is in the program's own (logical) pixels. An image whose
// device pixel ratio is above 1 holds that many device pixels per logical
// pixel: the context scales each drawing by the ratio, so a one-pixel line is
// ratio device pixels wide and lies exactly over its logical pixel.

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <array>
#include <cstdint>
#include <memory>

using COLORREF = std::uint32_t;  // 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }
QColor ToQColor(COLORREF c);

// The device pixels of a logical box at a pixel ratio, rounded outward so that
// they cover the whole box.
QRect ToDevicePixels(const QRect& box, double ratio);
// Device size of an image holding a logical size at a pixel ratio.
QSize ToDeviceSize(const QSize& size, double ratio);

// Solid pen of a given width in pixels.
class CPen
{
public:
    CPen() = default;
    CPen(int width, COLORREF colour) : m_nWidth(width), m_crColour(colour), m_bHandle(true) {}
    bool HasHandle() const { return m_bHandle; }
    int Width() const { return m_nWidth; }
    COLORREF Colour() const { return m_crColour; }

private:
    int m_nWidth = 1;
    COLORREF m_crColour = 0;
    bool m_bHandle = false;
};

// Solid brush.
class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) : m_crColour(colour), m_bHandle(true) {}
    bool HasHandle() const { return m_bHandle; }
    COLORREF Colour() const { return m_crColour; }

private:
    COLORREF m_crColour = 0;
    bool m_bHandle = false;
};

// A drawing context on an image: the window's picture or an off-screen bitmap.
// Its origin is always the image's top-left corner.
class CDC
{
public:
    explicit CDC(QImage* target);
    // On any paint device (an SVG or PDF generator, a printer); such a context
    // has no Target(), so block copies and exclusive-or clips need an image.
    explicit CDC(QPaintDevice* device);
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    QImage* Target() const { return m_pTarget; }
    // Device pixels per logical pixel of the target.
    double Ratio() const { return m_dRatio; }

    // Selecting an object without a handle is skipped. Returns the previous one.
    const CPen* SelectPen(const CPen* pen);
    const CBrush* SelectBrush(const CBrush* brush);
    const CPen* SelectedPen() const { return m_pPen; }
    const CBrush* SelectedBrush() const { return m_pBrush; }

    // Outline with the pen, interior with the brush.
    void Ellipse(int left, int top, int right, int bottom);
    void Rectangle(int left, int top, int right, int bottom);
    // Filled without outline; x, y, width, height.
    void FillSolidRect(int x, int y, int width, int height, COLORREF colour);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1);  // MoveTo then LineTo
    // Closed outline through the points with the pen.
    void Polygon(const QPoint* points, int count);
    // Open line through the points with the pen, as MoveTo then LineTo to
    // each; on a paint device other than an image, one polyline.
    void Polyline(const QPoint* points, int count);
    // Arc of the ellipse in the box, counter-clockwise from the radial through
    // (xStart, yStart) to the radial through (xEnd, yEnd).
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

    // Clip regions. The exclusive-or combines with the present clip (the whole
    // surface when there is none).
    void SetClipRect(int left, int top, int right, int bottom);
    void XorClipEllipse(int left, int top, int right, int bottom);
    void RemoveClip();
    bool HasClip() const { return m_bClip; }

    // Plain source copy of a block of another context at (x, y). Above ratio
    // 1 the copy covers every device pixel of the block's logical box.
    void BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY);

    // Area touched since the context was made (for presenting only what
    // changed): the touched boxes themselves while they are few, their
    // bounding box beyond that.
    QRegion Dirty() const;

private:
    void ApplyPen();
    void ApplyBrush();
    // The box a drawing within r can touch, given the pen's width.
    QRect Reach(const QRect& r) const;
    // Applies the clip for a drawing that stays within reach.
    void ClipTo(const QRect& reach);
    void Touch(const QRect& reach);
    // Runs a drawing done with the pen. Above ratio 1 it is moved by half a
    // logical pixel, so that the pen covers its logical pixels as at ratio 1.
    template <typename Draw>
    void Stroke(Draw draw);
    void CopyDevicePixels(const QRect& box, const CDC& source, QPoint sourceOffset);
    const QRegion& ClipRegion();
    // The whole drawing surface in logical pixels.
    QRect Surface() const;
    const QRegion& HoleEllipse();

    QImage* m_pTarget;
    double m_dRatio;
    QPainter m_painter;
    const CPen* m_pPen = nullptr;
    const CBrush* m_pBrush = nullptr;
    QPoint m_ptCurrent{0, 0};
    bool m_bClip = false;
    QRegion m_clip;  // the clip, unless it is the whole surface less the ellipse in m_rcHole
    bool m_bHole = false;
    QRect m_rcHole;
    QRegion m_holeEllipse;
    QRect m_rcDirty;  // bounding box of every touch
    static constexpr int kTrackedTouches = 16;
    std::array<QRect, kTrackedTouches> m_touchedBoxes;  // the first touches one by one
    int m_nTouches = 0;
};

// An off-screen drawing context with its own bitmap.
class CMemoryDC
{
public:
    // A white bitmap of width x height logical pixels at the given pixel ratio.
    void CreateCompatible(int width, int height, double ratio = 1.0);
    bool IsValid() const { return m_pDC != nullptr; }
    void Delete();
    CDC* DC() const { return m_pDC.get(); }
    const QImage& Bitmap() const { return m_bitmap; }

private:
    QImage m_bitmap;
    std::unique_ptr<CDC> m_pDC;
};
