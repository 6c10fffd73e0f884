// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/TableDiagram.h"

#include <map>
#include <utility>

#include "sim/TrajectoryBuffer.h"

namespace
{
// Pens and brushes live as long as the process: a drawing context keeps the
// ones selected into it.
const CPen* LinePen(int width, COLORREF colour)
{
    static std::map<std::pair<int, COLORREF>, CPen> pens;
    const auto key = std::pair(width, colour);
    auto found = pens.find(key);
    if (found == pens.end())
        found = pens.emplace(key, CPen(width, colour)).first;
    return &found->second;
}

const CBrush* FillBrush(COLORREF colour)
{
    static std::map<COLORREF, CBrush> brushes;
    auto found = brushes.find(colour);
    if (found == brushes.end())
        found = brushes.emplace(colour, CBrush(colour)).first;
    return &found->second;
}

bool IsAbsent(double x, double y)
{
    return x == 0.0 && y == 0.0;
}

// Three sides of a box, the fourth left open against the cushion.
void OpenBox(CDC& dc, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.LineTo(x3, y3);
}

void ClosedOutline(CDC& dc, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    const QPoint points[4] = {QPoint(x0, y0), QPoint(x1, y1), QPoint(x2, y2), QPoint(x3, y3)};
    dc.Polygon(points, 4);
}

void Sight(CDC& dc, int x, int y, int radius)
{
    dc.Ellipse(x - radius, y - radius, x + radius, y + radius);
}

// A spot: a small diamond around (x, y).
void Spot(CDC& dc, int x, int y, int half)
{
    ClosedOutline(dc, x - half, y, x, y + half, x + half, y, x, y - half);
}
}  // namespace

TableDiagram MakeTableDiagram(const TableGeometry& geometry, int tableFormat, bool colour)
{
    TableDiagram d;
    d.geometry = geometry;
    d.tableFormat = tableFormat;
    const COLORREF ballColours[3] = {kWhiteColour, kRedBallColour, kSpottedBallColour};
    const TablePoint places[3] = {{0.1, 0.3}, {0.2, 0.3}, {0.4, 0.5}};
    for (int b = 0; b < 3; ++b)
    {
        // Monochrome: paper-white balls outlined in black, black lines.
        d.balls[b] = DiagramBall{places[b].x, places[b].y, colour ? ballColours[b] : kBlackColour,
                                 colour ? ballColours[b] : kWhiteColour};
        d.trajectoryColours[b] = colour ? ballColours[b] : kBlackColour;
    }
    d.railColour = colour ? kRailColour : kWhiteColour;
    d.clothColour = colour ? kClothColour : kWhiteColour;
    return d;
}

std::vector<TablePoint> ShownTrajectory(TrajectoryBuffer& trajectory)
{
    std::vector<TablePoint> path;
    if (trajectory.m_nCount <= 1)
        return path;
    const std::uint32_t count = static_cast<std::uint32_t>(trajectory.m_nCount);
    path.reserve(count - 1);
    for (std::uint32_t t = 1; t < count; ++t)
    {
        TablePoint p;
        trajectory.PositionAt(t, p.x, p.y);
        path.push_back(p);
    }
    return path;
}

namespace diagram
{

void Draw(CDC& dc, const TableDiagram& d)
{
    DrawTable(dc, d);
    for (const int b : {1, 0, 2})  // red, white, spotted
        DrawBall(dc, d.layout, d.balls[b], d.lineWidth);
    for (int b = 0; b < 3; ++b)
        DrawTrajectory(dc, d.layout, d.trajectories[b], d.trajectoryColours[b], d.lineWidth, 0);
}

void DrawTable(CDC& dc, const TableDiagram& d)
{
    const DiagramLayout& layout = d.layout;
    const int m = layout.marginPx;
    const int K = layout.cushionPx;
    const int c = m - K;  // rail band
    const int Lp = layout.tableLengthPx;
    const int Wp = layout.tableWidthPx;

    // Rail band: top, left, right, bottom.
    dc.FillSolidRect(0, 0, Lp + 2 * m + 1, m, d.railColour);
    dc.FillSolidRect(0, m - 1, m, Wp + m + 1, d.railColour);
    dc.FillSolidRect(m + Lp, m, m + 1, m + Wp, d.railColour);
    dc.FillSolidRect(m - 1, m + Wp, Lp + 1, m, d.railColour);

    // Cloth over the cushions and the bed.
    dc.FillSolidRect(c - 1, c - 1, Lp + 2 * K + 1, Wp + 2 * K + 1, d.clothColour);

    if (d.showMarkers)
    {
        for (const DiagramMarker& marker : d.markers)
            DrawMarker(dc, layout, marker, d.lineWidth);
    }

    DrawTableMarks(dc, d);

    // Outer edge, cushion nose, back of the cushions, corner mitres.
    dc.SelectPen(LinePen(d.lineWidth, kBlackColour));
    ClosedOutline(dc, 0, 0, Lp + 2 * m, 0, Lp + 2 * m, Wp + 2 * m, 0, Wp + 2 * m);
    ClosedOutline(dc, m - 1, m - 1, m + Lp, m - 1, m + Lp, m + Wp, m - 1, m + Wp);
    ClosedOutline(dc, c - 1, c - 1, m + K + Lp, c - 1, m + K + Lp, m + K + Wp, c - 1, m + K + Wp);
    dc.Line(m - 1, m - 1, c - 1, c - 1);
    dc.Line(m + Lp, m - 1, m + K + Lp, c - 1);
    dc.Line(m + Lp, m + Wp, m + K + Lp, m + K + Wp);
    dc.Line(m - 1, m + Wp, c - 1, m + K + Wp);

    // Sights on the middle line of the rail band.
    dc.SelectPen(LinePen(d.lineWidth, kWhiteColour));
    dc.SelectBrush(FillBrush(kSightColour));
    int rd = c / 8;
    if (rd < 1)
        rd = 1;
    const int topRail = c / 2;
    const int bottomRail = 2 * m - c / 2 + Wp;
    const int leftRail = c / 2;
    const int rightRail = 2 * m - c / 2 + Lp;
    const bool halfTable = d.tableFormat == 0;

    const int longStep = Lp / 8;
    for (int i = 1; i <= 7; ++i)
    {
        if (halfTable && i % 2 != 0)
            continue;  // the half table has sights at 2, 4 and 6 eighths only
        const int x = m + i * longStep;
        Sight(dc, x, topRail, rd);
        Sight(dc, x, bottomRail, rd);
    }

    const int shortStep = Wp / 4;
    for (int i = 1; i <= 3; ++i)
    {
        if (halfTable && i != 2)
            continue;  // one sight in the middle of each short rail
        const int y = m + i * shortStep;
        Sight(dc, leftRail, y, rd);
        Sight(dc, rightRail, y, rd);
    }
}

void DrawTableMarks(CDC& dc, const TableDiagram& d)
{
    const DiagramLayout& layout = d.layout;
    const int m = layout.marginPx;
    const int Lp = layout.tableLengthPx;
    const int Wp = layout.tableWidthPx;

    // 0.08 m (anchor half-size) and 0.1825 m (spot offset) in pixels at the
    // present scale.
    const int a = MetresToPixel(0.08, layout.pixPerMetre, layout.originPx) - layout.originPx;
    const int s = MetresToPixel(0.1825, layout.pixPerMetre, layout.originPx) - layout.originPx;

    const int q = Wp / 2 + m - 1;
    const int q3 = (3 * Wp) / 2 + m - 1;
    const int t = Wp / 3 + m - 1;

    dc.SelectPen(LinePen(d.lineWidth, kBlackColour));

    if (d.tableFormat > 0)
    {
        const int half = 2 * d.lineWidth;
        Spot(dc, q, q, half);
        Spot(dc, m + Wp + 1, q, half);
        Spot(dc, q3, q, half);
        Spot(dc, q3, q + s, half);
        Spot(dc, q3, q - s, half);
    }

    // Anchor boxes against each cushion nose, 2a deep and 2a wide.
    auto leftAnchor = [&](int y) { OpenBox(dc, m - 1, y - a, m + 2 * a - 1, y - a, m + 2 * a - 1, y + a, m - 1, y + a); };
    auto rightAnchor = [&](int y)
    { OpenBox(dc, m + Lp, y - a, m + Lp - 2 * a, y - a, m + Lp - 2 * a, y + a, m + Lp, y + a); };
    auto topAnchor = [&](int x) { OpenBox(dc, x + a, m - 1, x + a, m + 2 * a - 1, x - a, m + 2 * a - 1, x - a, m - 1); };
    auto bottomAnchor = [&](int x)
    { OpenBox(dc, x + a, m + Wp, x + a, m + Wp - 2 * a, x - a, m + Wp - 2 * a, x - a, m + Wp); };

    switch (d.frameStyle)
    {
    case 1:
    {
        // The 47 frame: lines a third of the width from each cushion.
        const int far = Lp - (Wp + 1) / 3 + m;
        const int lowAnchor = Wp - (Wp + 1) / 3 + m;
        dc.Line(m - 1, t, m + Lp, t);
        dc.Line(m - 1, (2 * Wp + 2) / 3 + m, m + Lp, (2 * Wp + 2) / 3 + m);
        dc.Line(t, m - 1, t, m + Wp);
        dc.Line(far, m - 1, far, m + Wp);
        leftAnchor(t);
        leftAnchor(lowAnchor);
        rightAnchor(t);
        rightAnchor(lowAnchor);
        topAnchor(t);
        topAnchor(far);
        bottomAnchor(t);
        bottomAnchor(far);
        break;
    }
    case 2:
    {
        // The 71/2 frame: the long axis and the lines a quarter of the length
        // from each short cushion.
        const int far = Lp - (Wp + 1) / 2 + m;
        dc.Line(m - 1, q, m + Lp, q);
        dc.Line(q, m - 1, q, m + Wp);
        dc.Line(far, m - 1, far, m + Wp);
        leftAnchor(q);
        rightAnchor(q);
        topAnchor(q);
        topAnchor(q3);
        bottomAnchor(q);
        bottomAnchor(q3);
        break;
    }
    case 3:
        // Big corners.
        dc.Line(Lp / 4 + m - 1, m - 1, m - 1, Wp / 4 + m);
        dc.Line(Lp - Lp / 4 + m, m - 1, Lp + m, Wp / 4 + m);
        dc.Line(Lp / 4 + m - 1, m + Wp, m - 1, m + Wp - Wp / 4);
        dc.Line(Lp - Lp / 4 + m, m + Wp, Lp + m, m + Wp - Wp / 4);
        break;
    case 4:
        // Spot-to-spot grid of squares a quarter of the width across.
        for (int i = 0; i <= 7; ++i)
        {
            const int x = (i * Wp) / 4 + m - 1;
            dc.Line(x, m - 1, x, m + Wp);
        }
        for (int i = 0; i <= 3; ++i)
        {
            const int y = (i * Wp) / 4 + m - 1;
            dc.Line(m - 1, y, m + Lp, y);
        }
        break;
    default:
        break;
    }
}

void DrawBall(CDC& dc, const DiagramLayout& layout, const DiagramBall& ball, int lineWidth)
{
    if (IsAbsent(ball.x, ball.y))
        return;
    const int px = layout.MapX(ball.x);
    const int py = layout.MapY(ball.y);
    const int r = layout.ballRadiusPx;
    dc.SelectPen(LinePen(lineWidth, ball.outline));
    dc.SelectBrush(FillBrush(ball.fill));
    dc.Ellipse(px - r, py - r, px + r, py + r);
}

int MarkerHalfSize(const DiagramLayout& layout)
{
    return layout.ballRadiusPx / 4 + 1;
}

void DrawMarker(CDC& dc, const DiagramLayout& layout, const DiagramMarker& marker, int lineWidth)
{
    if (marker.hidden || IsAbsent(marker.x, marker.y))
        return;
    const int px = layout.MapX(marker.x);
    const int py = layout.MapY(marker.y);
    const int s = MarkerHalfSize(layout);
    dc.SelectPen(LinePen(lineWidth, marker.outline));
    dc.SelectBrush(FillBrush(marker.fill));
    dc.Rectangle(px - s, py - s, px + s, py + s);
}

void DrawTrajectory(CDC& dc, const DiagramLayout& layout, const std::vector<TablePoint>& path, COLORREF colour,
                    int lineWidth, int dotSpacing)
{
    dc.SelectPen(LinePen(lineWidth, colour));
    if (dotSpacing > 0)
    {
        // Segment by segment, each dot before the segment that reaches it.
        const int half = 2 * lineWidth;
        int dots = 0;
        for (std::size_t k = 0; k < path.size(); ++k)
        {
            const int px = layout.MapX(path[k].x);
            const int py = layout.MapY(path[k].y);
            if (k == 0)
            {
                dc.MoveTo(px, py);
                continue;
            }
            if (++dots > dotSpacing)
            {
                dc.Ellipse(px - half, py - half, px + half, py + half);
                dots = 0;
            }
            dc.LineTo(px, py);
        }
        return;
    }

    // One line through the distinct pixels: a ball that does not move has none.
    std::vector<QPoint> pixels;
    pixels.reserve(path.size());
    for (const TablePoint& p : path)
    {
        const QPoint pixel(layout.MapX(p.x), layout.MapY(p.y));
        if (pixels.empty() || pixels.back() != pixel)
            pixels.push_back(pixel);
    }
    if (pixels.size() >= 2)
        dc.Polyline(pixels.data(), static_cast<int>(pixels.size()));
}

}  // namespace diagram
