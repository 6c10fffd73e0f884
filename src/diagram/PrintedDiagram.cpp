// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/PrintedDiagram.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace
{
// Travel between two arrowheads of a path.
constexpr double kArrowSpacingMetres = 0.45;
// Anchor boxes of the frame lines: half their width, in metres.
constexpr double kAnchorHalf = 0.08;
// Offset of the side spots from the long axis.
constexpr double kSpotOffset = 0.1825;

// Table metres to device units: the whole table, rails included, scaled
// into its rectangle.
struct Frame
{
    QPointF topLeft;     // outer corner of the rails
    double scale = 1;    // device units per metre
    double border = 0;   // rail and cushion, metres
    double radius = 0;   // ball radius, metres
    double unit = 1;     // a thousandth of the table's drawn length: width of the table's lines

    // A place measured from the top-left cushion noses.
    QPointF Table(double u, double v) const
    {
        return topLeft + QPointF((border + u) * scale, (border + v) * scale);
    }
    // A ball-centre place.
    QPointF Ball(double x, double y) const { return Table(radius + x, radius + y); }
    QPointF Ball(const TablePoint& p) const { return Ball(p.x, p.y); }
    double Length(double metres) const { return metres * scale; }
};

// Places far off the table (or not numbers at all, from a hostile file) are
// left out of the drawing.
constexpr double kFarOffMetres = 100;

bool IsAbsent(double x, double y)
{
    return (x == 0.0 && y == 0.0) || !(std::abs(x) < kFarOffMetres && std::abs(y) < kFarOffMetres);
}

bool IsFarOff(const TablePoint& p)
{
    return !(std::abs(p.x) < kFarOffMetres && std::abs(p.y) < kFarOffMetres);
}

bool IsMonochrome(const TableDiagram& d)
{
    return d.clothColour == kWhiteColour;
}

QPen Line(const QColor& colour, double width, Qt::PenJoinStyle join = Qt::RoundJoin)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, join);
    return pen;
}

Frame FrameIn(const TableDiagram& d, const QRectF& box)
{
    const QSizeF size = TableSizeMetres(d.geometry);
    Frame f;
    f.scale = std::min(box.width() / size.width(), box.height() / size.height());
    f.topLeft = box.center() - QPointF(size.width() * f.scale / 2, size.height() * f.scale / 2);
    f.border = d.geometry.railWidth + d.geometry.cushionWidth;
    f.radius = d.geometry.ballRadius;
    f.unit = size.width() * f.scale / 1000;
    return f;
}

QRectF TableRect(const Frame& f, double inset, const TableGeometry& g)
{
    return QRectF(f.Table(-inset, -inset), f.Table(g.length + inset, g.width + inset));
}

void PaintRailsAndCloth(QPainter& p, const TableDiagram& d, const Frame& f)
{
    const TableGeometry& g = d.geometry;
    const QRectF outer = TableRect(f, f.border, g);
    const QRectF railBack = TableRect(f, g.cushionWidth, g);
    const QRectF nose = TableRect(f, 0, g);

    // The rails as one ring and the cloth as one rectangle: no seams at any size.
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRect(outer);
    ring.addRect(railBack);
    p.setPen(Qt::NoPen);
    p.fillPath(ring, ToQColor(d.railColour));
    p.fillRect(railBack, ToQColor(d.clothColour));

    p.setBrush(Qt::NoBrush);
    p.setPen(Line(Qt::black, f.unit, Qt::MiterJoin));
    for (const QRectF& r : {outer, railBack, nose})
        p.drawRect(r);
    p.drawLine(nose.topLeft(), railBack.topLeft());
    p.drawLine(nose.topRight(), railBack.topRight());
    p.drawLine(nose.bottomLeft(), railBack.bottomLeft());
    p.drawLine(nose.bottomRight(), railBack.bottomRight());

    // Sights on the middle line of the rails.
    const double middle = g.cushionWidth + g.railWidth / 2;
    const double sightRadius = f.Length(g.railWidth / 8);
    const bool halfTable = d.tableFormat == 0;
    p.setPen(IsMonochrome(d) ? Qt::NoPen : Line(Qt::white, f.unit));
    p.setBrush(ToQColor(kSightColour));
    for (int i = 1; i <= 7; ++i)
    {
        if (halfTable && i % 2 != 0)
            continue;  // the half table has sights at 2, 4 and 6 eighths only
        const double u = g.length * i / 8;
        p.drawEllipse(f.Table(u, -middle), sightRadius, sightRadius);
        p.drawEllipse(f.Table(u, g.width + middle), sightRadius, sightRadius);
    }
    for (int i = 1; i <= 3; ++i)
    {
        if (halfTable && i != 2)
            continue;  // one sight in the middle of each short rail
        const double v = g.width * i / 4;
        p.drawEllipse(f.Table(-middle, v), sightRadius, sightRadius);
        p.drawEllipse(f.Table(g.length + middle, v), sightRadius, sightRadius);
    }
}

void PaintSpotsAndFrame(QPainter& p, const TableDiagram& d, const Frame& f)
{
    const double L = d.geometry.length;
    const double W = d.geometry.width;
    p.setPen(Line(Qt::black, f.unit));
    p.setBrush(Qt::NoBrush);
    if (d.tableFormat > 0)
    {
        const double half = 2.5 * f.unit;
        const TablePoint spots[] = {{W / 2, W / 2}, {W, W / 2}, {1.5 * W, W / 2},
                                    {1.5 * W, W / 2 + kSpotOffset}, {1.5 * W, W / 2 - kSpotOffset}};
        for (const TablePoint& s : spots)
        {
            const QPointF c = f.Table(s.x, s.y);
            const QPointF diamond[] = {c + QPointF(-half, 0), c + QPointF(0, half), c + QPointF(half, 0),
                                       c + QPointF(0, -half)};
            p.drawPolygon(diamond, 4);
        }
    }

    auto line = [&](double u0, double v0, double u1, double v1) { p.drawLine(f.Table(u0, v0), f.Table(u1, v1)); };
    auto box = [&](QPointF a, QPointF b, QPointF c, QPointF e) {
        const QPointF points[] = {a, b, c, e};
        p.drawPolyline(points, 4);
    };
    const double a = kAnchorHalf;
    auto leftAnchor = [&](double v) { box(f.Table(0, v - a), f.Table(2 * a, v - a), f.Table(2 * a, v + a), f.Table(0, v + a)); };
    auto rightAnchor = [&](double v)
    { box(f.Table(L, v - a), f.Table(L - 2 * a, v - a), f.Table(L - 2 * a, v + a), f.Table(L, v + a)); };
    auto topAnchor = [&](double u) { box(f.Table(u + a, 0), f.Table(u + a, 2 * a), f.Table(u - a, 2 * a), f.Table(u - a, 0)); };
    auto bottomAnchor = [&](double u)
    { box(f.Table(u + a, W), f.Table(u + a, W - 2 * a), f.Table(u - a, W - 2 * a), f.Table(u - a, W)); };

    switch (d.frameStyle)
    {
    case 1:
    {
        // The 47 frame: lines a third of the width from each cushion.
        const double t = W / 3;
        line(0, t, L, t);
        line(0, W - t, L, W - t);
        line(t, 0, t, W);
        line(L - t, 0, L - t, W);
        for (const double v : {t, W - t})
        {
            leftAnchor(v);
            rightAnchor(v);
        }
        for (const double u : {t, L - t})
        {
            topAnchor(u);
            bottomAnchor(u);
        }
        break;
    }
    case 2:
    {
        // The 71/2 frame: the long axis and the lines half the width from each short cushion.
        const double q = W / 2;
        line(0, q, L, q);
        line(q, 0, q, W);
        line(L - q, 0, L - q, W);
        leftAnchor(q);
        rightAnchor(q);
        for (const double u : {q, L - q})
        {
            topAnchor(u);
            bottomAnchor(u);
        }
        break;
    }
    case 3:
        // Big corners.
        line(L / 4, 0, 0, W / 4);
        line(L - L / 4, 0, L, W / 4);
        line(L / 4, W, 0, W - W / 4);
        line(L - L / 4, W, L, W - W / 4);
        break;
    case 4:
        // Spot-to-spot grid of squares a quarter of the width across.
        for (int i = 0; i <= 7; ++i)
            line(i * W / 4, 0, i * W / 4, W);
        for (int i = 0; i <= 3; ++i)
            line(0, i * W / 4, L, i * W / 4);
        break;
    default:
        break;
    }
}

void PaintMarkers(QPainter& p, const TableDiagram& d, const Frame& f)
{
    if (!d.showMarkers)
        return;
    const double half = f.Length(d.geometry.ballRadius / 4);
    for (const DiagramMarker& m : d.markers)
    {
        if (m.hidden || IsAbsent(m.x, m.y))
            continue;
        p.setPen(Line(ToQColor(m.outline), f.unit, Qt::MiterJoin));
        p.setBrush(ToQColor(m.fill));
        p.drawRect(QRectF(f.Ball(m.x, m.y) - QPointF(half, half), QSizeF(2 * half, 2 * half)));
    }
}

// Width of the cue ball's path; the object balls' paths are thinner.
double CuePathWidth(const DiagramNotes& notes, const Frame& f)
{
    switch (notes.pathWidth)
    {
    case PathWidth::Thin: return 2 * f.unit;
    case PathWidth::Normal: break;
    case PathWidth::Thick: return 6 * f.unit;
    }
    return 3.5 * f.unit;
}

// The path of ball b from its place before the shot, in device units.
QPolygonF DevicePath(const TableDiagram& d, int b, const Frame& f)
{
    QPolygonF points;
    if (!IsAbsent(d.balls[b].x, d.balls[b].y))
        points << f.Ball(d.balls[b].x, d.balls[b].y);
    for (const TablePoint& t : d.trajectories[b])
    {
        if (IsFarOff(t))
            continue;
        const QPointF q = f.Ball(t);
        if (points.isEmpty() || points.back() != q)
            points << q;
    }
    return points;
}

// The path without its part inside the circle of radius r around its end.
QPolygonF UpToRim(const QPolygonF& path, double r)
{
    const QPointF end = path.back();
    auto inside = [&](const QPointF& q) { return std::hypot(q.x() - end.x(), q.y() - end.y()) < r; };
    QPolygonF shown = path;
    while (shown.size() > 1 && inside(shown.back()))
        shown.pop_back();
    if (shown.size() < 1 || inside(shown.back()))
        return QPolygonF();
    // Where the last segment crosses the circle: from the outside point
    // toward the end, at the distance that leaves r.
    const QPointF outside = shown.back();
    const QPointF towardEnd = end - outside;
    const double length = std::hypot(towardEnd.x(), towardEnd.y());
    shown << outside + towardEnd * ((length - r) / length);
    return shown;
}

QColor PathColour(const TableDiagram& d, int b)
{
    return IsMonochrome(d) ? QColor(Qt::black) : ToQColor(d.trajectoryColours[b]);
}

void PaintPaths(QPainter& p, const TableDiagram& d, const Frame& f)
{
    const int cue = d.notes.cueBall;
    const double cueWidth = CuePathWidth(d.notes, f);
    const double arrowLength = std::max(f.Length(0.04), 4 * cueWidth);
    int objectBallsSeen = 0;
    for (int b = 0; b < 3; ++b)
    {
        const bool isCue = b == cue;
        // Object balls in ball order: the first dashed, the second dotted.
        const bool dotted = !isCue && objectBallsSeen++ == (cue < 0 ? 2 : 1);
        const QPolygonF path = DevicePath(d, b, f);
        if (path.size() < 2)
            continue;
        const QColor colour = PathColour(d, b);

        // Where the ball ends: a dashed outline, the path stopping at its rim.
        QPen outline = Line(colour, f.unit * 1.5);
        outline.setDashPattern({4, 3});
        p.setPen(outline);
        p.setBrush(Qt::NoBrush);
        const double r = f.Length(d.geometry.ballRadius);
        p.drawEllipse(path.back(), r, r);
        const QPolygonF shown = UpToRim(path, r);

        QPen pen = Line(colour, isCue ? cueWidth : std::max(1.2 * f.unit, 0.6 * cueWidth));
        if (!isCue)
            pen.setDashPattern(dotted ? QVector<qreal>{0.01, 2.5} : QVector<qreal>{5, 3});
        p.setPen(pen);
        p.drawPolyline(shown);

        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const double length = isCue ? arrowLength : 0.85 * arrowLength;
        for (const PathArrow& a : ArrowsAlong(d.trajectories[b], kArrowSpacingMetres))
        {
            if (IsFarOff(a.tip))
                continue;
            const QPointF tip = f.Ball(a.tip);
            const QPointF along(a.dx * length, a.dy * length);
            const QPointF across(-a.dy * length * 0.4, a.dx * length * 0.4);
            const QPointF head[] = {tip, tip - along + across, tip - along * 0.75, tip - along - across};
            p.drawPolygon(head, 4);
        }
    }
}

void PaintBalls(QPainter& p, const TableDiagram& d, const Frame& f)
{
    const bool mono = IsMonochrome(d);
    const double r = f.Length(d.geometry.ballRadius);
    for (int b = 0; b < 3; ++b)
    {
        const DiagramBall& ball = d.balls[b];
        if (IsAbsent(ball.x, ball.y))
            continue;
        const QPointF c = f.Ball(ball.x, ball.y);
        // White and spotted open, red filled; in colour each in its own colour.
        QColor fill = mono ? QColor(Qt::white) : ToQColor(ball.fill);
        if (b == 1 && mono)
            fill = Qt::black;
        p.setPen(Line(Qt::black, 1.5 * f.unit));
        p.setBrush(fill);
        p.drawEllipse(c, r, r);
        if (b == 2)
        {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(c, r * 0.3, r * 0.3);
        }
    }
}

void PaintContacts(QPainter& p, const TableDiagram& d, const Frame& f)
{
    const double r = f.Length(d.geometry.ballRadius);
    QFont font;
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(1.1 * r))));
    p.setFont(font);

    // The cue ball at each object ball it meets: a ghost outline, and "1re",
    // "2e" on a white label on the side away from the object ball.
    const QColor ghost = IsMonochrome(d) || d.notes.cueBall < 0 ? QColor(Qt::black) : PathColour(d, d.notes.cueBall);
    const QFontMetricsF metrics(font, p.device());
    for (std::size_t k = 0; k < d.notes.objectBallContacts.size() && k < 2; ++k)
    {
        if (IsFarOff(d.notes.objectBallContacts[k]))
            continue;
        const QPointF c = f.Ball(d.notes.objectBallContacts[k]);
        p.setPen(Line(ghost, 1.5 * f.unit));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);

        QPointF away(0, -1);
        if (k < d.notes.objectBallPlaces.size() && !IsFarOff(d.notes.objectBallPlaces[k]))
        {
            const QPointF fromObject = c - f.Ball(d.notes.objectBallPlaces[k]);
            const double length = std::hypot(fromObject.x(), fromObject.y());
            if (length > 0)
                away = fromObject / length;
        }
        const QString label = k == 0 ? QCoreApplication::translate("Diagram", "1re")
                                     : QCoreApplication::translate("Diagram", "2e");
        const QSizeF size(metrics.horizontalAdvance(label) + 0.5 * r, 1.3 * r);
        const QPointF centre = c + away * (r + 0.6 * std::hypot(size.width(), size.height()));
        const QRectF labelBox(centre - QPointF(size.width() / 2, size.height() / 2), size);
        p.setPen(Line(Qt::black, f.unit));
        p.setBrush(Qt::white);
        p.drawRoundedRect(labelBox, 0.3 * r, 0.3 * r);
        p.setPen(Qt::black);
        p.drawText(labelBox, Qt::AlignCenter, label);
    }

    // The cue ball's cushion contacts, numbered in order.
    const double disc = 0.85 * r;
    for (std::size_t k = 0; k < d.notes.cushionContacts.size(); ++k)
    {
        if (IsFarOff(d.notes.cushionContacts[k]))
            continue;
        const QPointF c = f.Ball(d.notes.cushionContacts[k]);
        p.setPen(Line(Qt::black, 1.2 * f.unit));
        p.setBrush(Qt::white);
        p.drawEllipse(c, disc, disc);
        p.setPen(Qt::black);
        p.drawText(QRectF(c - QPointF(2 * disc, disc), QSizeF(4 * disc, 2 * disc)), Qt::AlignCenter,
                   QString::number(k + 1));
    }
}

struct TextLine
{
    QString text;
    bool bold;
};

std::vector<TextLine> LinesBelow(const DiagramNotes& notes)
{
    std::vector<TextLine> lines;
    for (const std::string* text : {&notes.strokeLine, &notes.detailLine})
        if (!text->empty())
            lines.push_back({QString::fromStdString(*text), false});
    return lines;
}

constexpr double kLineSpacing = 1.6;   // line height per text height
constexpr double kTitleScale = 1.35;   // title text height per text height
}  // namespace

std::vector<PathArrow> ArrowsAlong(const std::vector<TablePoint>& path, double spacing)
{
    std::vector<PathArrow> arrows;
    if (!(spacing > 0))
        return arrows;
    double nextAt = spacing / 2;
    double travelled = 0;
    for (std::size_t k = 1; k < path.size(); ++k)
    {
        const double dx = path[k].x - path[k - 1].x;
        const double dy = path[k].y - path[k - 1].y;
        const double step = std::hypot(dx, dy);
        if (!(step > 0) || IsFarOff(path[k - 1]) || IsFarOff(path[k]))
            continue;
        while (travelled + step >= nextAt)
        {
            const double t = (nextAt - travelled) / step;
            arrows.push_back({{path[k - 1].x + t * dx, path[k - 1].y + t * dy}, dx / step, dy / step});
            nextAt += spacing;
        }
        travelled += step;
    }
    return arrows;
}

QSizeF TableSizeMetres(const TableGeometry& geometry)
{
    const double border = 2 * (geometry.railWidth + geometry.cushionWidth);
    return QSizeF(geometry.length + border, geometry.width + border);
}

void PaintTable(QPainter& painter, const TableDiagram& diagram, const QRectF& box)
{
    const Frame f = FrameIn(diagram, box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintRailsAndCloth(painter, diagram, f);
    PaintMarkers(painter, diagram, f);
    PaintSpotsAndFrame(painter, diagram, f);
    PaintPaths(painter, diagram, f);
    PaintBalls(painter, diagram, f);
    PaintContacts(painter, diagram, f);
    painter.restore();
}

double NotesHeight(const DiagramNotes& notes, double textPx)
{
    double height = LinesBelow(notes).size() * kLineSpacing * textPx;
    if (!notes.title.empty())
        height += kLineSpacing * kTitleScale * textPx;
    return height;
}

void PaintAnnotatedDiagram(QPainter& painter, const TableDiagram& diagram, const QRectF& box, double textPx)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QRectF room = box;
    QFont font;
    if (!diagram.notes.title.empty())
    {
        const double height = kLineSpacing * kTitleScale * textPx;
        font.setBold(true);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(kTitleScale * textPx))));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(room.left(), room.top(), room.width(), height), Qt::AlignCenter,
                         QString::fromStdString(diagram.notes.title));
        room.setTop(room.top() + height);
    }
    const std::vector<TextLine> below = LinesBelow(diagram.notes);
    const double belowHeight = below.size() * kLineSpacing * textPx;
    room.setBottom(room.bottom() - belowHeight);

    // The table as large as the room allows; the lines right under it.
    const QSizeF size = TableSizeMetres(diagram.geometry);
    const double scale = std::min(room.width() / size.width(), room.height() / size.height());
    const QSizeF drawn(size.width() * scale, size.height() * scale);
    const QRectF table(QPointF(room.center().x() - drawn.width() / 2,
                               room.top() + (room.height() - drawn.height()) / 2),
                       drawn);
    PaintTable(painter, diagram, table);

    font.setBold(false);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(textPx))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    double top = table.bottom();
    for (const TextLine& line : below)
    {
        painter.drawText(QRectF(box.left(), top, box.width(), kLineSpacing * textPx), Qt::AlignCenter, line.text);
        top += kLineSpacing * textPx;
    }
    painter.restore();
}

void PaintDiagramBesideText(QPainter& painter, const TableDiagram& diagram, const QRectF& box,
                            const std::vector<std::string>& lines, double textPx)
{
    const QSizeF size = TableSizeMetres(diagram.geometry);
    const double gap = 2 * textPx;
    const double scale = std::min((box.width() - gap) / size.width(), box.height() / size.height());
    const QRectF table(box.topLeft(), QSizeF(size.width() * scale, size.height() * scale));
    PaintTable(painter, diagram, table);

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    QFont font;
    double top = table.top();
    const double left = table.right() + gap;
    for (std::size_t k = 0; k < lines.size(); ++k)
    {
        const bool heading = k == 0;
        const double height = kLineSpacing * textPx * (heading ? kTitleScale : 1);
        font.setBold(heading);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(heading ? kTitleScale * textPx : textPx))));
        painter.setFont(font);
        painter.drawText(QRectF(left, top, box.right() - left, height), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(lines[k]));
        top += lines[k].empty() ? height / 2 : height;
    }
    painter.restore();
}
