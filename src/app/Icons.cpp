// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Icons.h"

#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "app/MainFrame.h"

namespace
{
const QColor kCloth(0, 128, 0);
const QColor kRail(128, 128, 0);
const QColor kOutline(40, 40, 40);
const QColor kGreen(0, 150, 40);
const QColor kDarkGreen(0, 90, 20);
const QColor kRed(210, 20, 20);
const QColor kYellow(250, 220, 0);
const QColor kBlue(0, 0, 255);
const QColor kInk(20, 40, 120);

void Ball(QPainter& p, QPointF centre, double radius, const QColor& colour, const QColor& outline = kOutline)
{
    p.setPen(QPen(outline, 1.0));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void Triangle(QPainter& p, double left, double top, double right, double bottom, bool pointRight,
              const QColor& fill)
{
    const double mid = (top + bottom) / 2;
    QPolygonF shape;
    if (pointRight)
        shape << QPointF(left, top) << QPointF(right, mid) << QPointF(left, bottom);
    else
        shape << QPointF(right, top) << QPointF(left, mid) << QPointF(right, bottom);
    p.setPen(QPen(kDarkGreen, 1.0));
    p.setBrush(fill);
    p.drawPolygon(shape);
}

void Folder(QPainter& p, QRectF box)
{
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    p.setPen(QPen(QColor(120, 90, 0), 1.0));
    p.setBrush(QColor(225, 180, 40));
    QPolygonF back;
    back << QPointF(x, y + h * 0.15) << QPointF(x + w * 0.4, y + h * 0.15) << QPointF(x + w * 0.5, y + h * 0.3)
         << QPointF(x + w, y + h * 0.3) << QPointF(x + w, y + h) << QPointF(x, y + h);
    p.drawPolygon(back);
    p.setBrush(QColor(250, 215, 90));
    QPolygonF flap;
    flap << QPointF(x + w * 0.15, y + h * 0.45) << QPointF(x + w + 0.5, y + h * 0.45) << QPointF(x + w * 0.85, y + h)
         << QPointF(x, y + h);
    p.drawPolygon(flap);
}

void Floppy(QPainter& p, QRectF box)
{
    p.setPen(QPen(QColor(10, 20, 70), 1.0));
    p.setBrush(QColor(40, 70, 170));
    p.drawRect(box);
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x + w * 0.2, y + 1, w * 0.6, h * 0.4));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(x + w * 0.3, y + h * 0.62, w * 0.4, h * 0.38 - 0.5));
}

void ListLines(QPainter& p, double left, double right, double top, double step)
{
    p.setPen(QPen(kOutline, 1.2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void Table(QPainter& p, QRectF box, const QColor& cloth, const QColor& rail)
{
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(rail);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawRect(box.adjusted(2, 2, -2, -2));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF u(d.x() / len, d.y() / len);
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 4 + n * 2.5 << to - u * 4 - n * 2.5;
    p.setBrush(colour);
    p.setPen(QPen(colour, 1.0));
    p.drawPolygon(head);
}
}  // namespace

void PaintCommandIcon(QPainter& p, int id, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    const double cy = h / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (id)
    {
    case ID_FILE_OPEN:
        Folder(p, QRectF(1.5, 3.5, w - 3, h - 7));
        break;
    case ID_FILE_SAVE_AS:
        Floppy(p, QRectF(1.5, 2.5, w - 3, h - 5));
        break;
    case ID_SHOT_INTERRUPT:
        p.setPen(QPen(QColor(110, 0, 0), 1.0));
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(w / 2 - 6.5, cy - 6.5, 13, 13), 2, 2);
        p.setPen(QPen(Qt::white, 2.0));
        p.drawLine(QPointF(w / 2 - 3, cy), QPointF(w / 2 + 3, cy));
        break;
    case ID_SHOT_PLAY:
        Triangle(p, w / 2 - 5, cy - 7, w / 2 + 7, cy + 7, true, kGreen);
        break;
    case ID_SHOW_TRAJECTORY:
    {
        const QPointF points[] = {{4, 14}, {11, 3.5}, {18, 14}, {23, 7}};
        p.setPen(QPen(kInk, 1.2));
        p.drawPolyline(points, 4);
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(7.5, 8.7), 1.3, 1.3);
        p.drawEllipse(QPointF(14.5, 8.7), 1.3, 1.3);
        p.drawEllipse(QPointF(20.5, 10.5), 1.3, 1.3);
        Ball(p, QPointF(4, 14), 2.8, Qt::white);
        break;
    }
    case ID_POSITION_PREV:
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRect(QRectF(w / 2 - 7, cy - 6, 2.5, 12));
        Triangle(p, w / 2 - 4, cy - 6, w / 2 + 6, cy + 6, false, kGreen);
        break;
    case ID_POSITION_NEXT:
        Triangle(p, w / 2 - 6, cy - 6, w / 2 + 4, cy + 6, true, kGreen);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRect(QRectF(w / 2 + 4.5, cy - 6, 2.5, 12));
        break;
    case ID_POSITION_DELETE:
        p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w / 2 - 5, cy - 5), QPointF(w / 2 + 5, cy + 5));
        p.drawLine(QPointF(w / 2 + 5, cy - 5), QPointF(w / 2 - 5, cy + 5));
        break;
    case ID_PLAY_AND_NEXT:
        Triangle(p, w / 2 - 9, cy - 6, w / 2, cy + 6, true, kGreen);
        Triangle(p, w / 2, cy - 6, w / 2 + 9, cy + 6, true, kGreen);
        break;
    case ID_POSITION_LIST_SAVE:
        Floppy(p, QRectF(2.5, 3.5, 11, 11));
        ListLines(p, 16, w - 2, 5.5, 3.5);
        break;
    case ID_POSITION_LIST_LOAD:
        Folder(p, QRectF(1.5, 3.5, 13, 11));
        ListLines(p, 17, w - 2, 5.5, 3.5);
        break;
    case ID_MODE_ARTISTIC:
    {
        QPainterPath path(QPointF(7, 14));
        path.cubicTo(QPointF(10, 1), QPointF(22, 1), QPointF(21, 12));
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        Arrow(p, QPointF(21.3, 9), QPointF(21, 14), kInk);
        Ball(p, QPointF(6, 13), 3.5, kRed);
        break;
    }
    case ID_MODE_NORMAL:
        Arrow(p, QPointF(9, cy), QPointF(w - 2, cy), kInk);
        Ball(p, QPointF(6, cy), 3.5, kRed);
        break;
    case ID_COLOUR:
        Table(p, QRectF(1.5, 2.5, w - 3, h - 5), kCloth, kRail);
        Ball(p, QPointF(7, cy), 2.8, Qt::white);
        Ball(p, QPointF(13, cy - 2), 2.8, kRed);
        Ball(p, QPointF(19, cy + 2), 2.8, kYellow);
        break;
    case ID_MONOCHROME:
        Table(p, QRectF(1.5, 2.5, w - 3, h - 5), Qt::white, Qt::white);
        Ball(p, QPointF(7, cy), 2.8, Qt::white, Qt::black);
        Ball(p, QPointF(13, cy - 2), 2.8, Qt::white, Qt::black);
        Ball(p, QPointF(19, cy + 2), 2.8, Qt::white, Qt::black);
        break;
    case ID_WIDTH_500:
        p.setPen(QPen(kInk, 1.6));
        p.drawLine(QPointF(2, 3), QPointF(2, h - 3));
        p.drawLine(QPointF(w - 2, 3), QPointF(w - 2, h - 3));
        Arrow(p, QPointF(w / 2, cy), QPointF(w - 4, cy), kInk);
        Arrow(p, QPointF(w / 2, cy), QPointF(4, cy), kInk);
        break;
    case ID_SHOW_MARKERS:
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(kRail);
        p.drawRect(QRectF(1.5, cy - 3.5, w - 3, 7));
        for (int i = 0; i < 4; ++i)
            Ball(p, QPointF(5 + i * 5.5, cy), 2.2, kBlue, Qt::white);
        break;
    case ID_FRAME_STYLE:
    {
        const QRectF box(1.5, 2.5, w - 3, h - 5);
        Table(p, box, kCloth, kRail);
        const QRectF cloth = box.adjusted(2, 2, -2, -2);
        p.setPen(QPen(Qt::white, 1.0));
        for (double f : {1.0 / 3, 2.0 / 3})
        {
            const double x = cloth.left() + f * cloth.width();
            const double y = cloth.top() + f * cloth.height();
            p.drawLine(QPointF(x, cloth.top()), QPointF(x, cloth.bottom()));
            p.drawLine(QPointF(cloth.left(), y), QPointF(cloth.right(), y));
        }
        break;
    }
    case ID_FIND_SHOT:
    {
        // A magnifying glass over a ball: look for the shot.
        Ball(p, QPointF(9, cy - 1), 5, kRed);
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QPointF(12, cy - 1.5), 5.5, 5.5);
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, cy + 2.5), QPointF(21, cy + 7));
        break;
    }
    case ID_STROKE_PANEL:
    {
        // The cue ball with its strike point, beside three lines of figures.
        Ball(p, QPointF(6.5, cy), 5, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(7.5, cy - 2), 1.4, 1.4);
        p.setPen(QPen(kInk, 1.4));
        for (const double y : {cy - 4.5, cy, cy + 4.5})
            p.drawLine(QPointF(14, y), QPointF(23, y));
        break;
    }
    case ID_TABLE_FORMAT:
        Table(p, QRectF(1.5, 3.5, 14, 11), kCloth, kRail);
        Table(p, QRectF(17.5, 3.5, 7, 11), kCloth, kRail);
        break;
    default:
        break;
    }
    p.restore();
}

QIcon MakeCommandIcon(int commandId, QSize size)
{
    QIcon icon;
    for (const int scale : {1, 2})
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            PaintCommandIcon(painter, commandId, size);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

void PaintApplicationIcon(QPainter& p, int side)
{
    const double s = side;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(60, 50, 0), std::max(1.0, s / 32)));
    p.setBrush(kRail);
    p.drawRoundedRect(QRectF(0.5, s * 0.12, s - 1, s * 0.76), s * 0.08, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(kCloth);
    p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.8, s * 0.6));
    const double r = s * 0.11;
    const QColor outline(30, 30, 30);
    Ball(p, QPointF(s * 0.28, s * 0.6), r, Qt::white, outline);
    Ball(p, QPointF(s * 0.52, s * 0.36), r, kRed, outline);
    Ball(p, QPointF(s * 0.73, s * 0.6), r, kYellow, outline);
    p.restore();
}

QIcon MakeApplicationIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
    {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            PaintApplicationIcon(painter, side);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}
