// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Diagrams for paper and image files, drawn with floating-point precision:
// every ball, line and mark at its exact table place, whatever the device.
// The balls and paths read without colour: the white an open circle, the red
// filled, the spotted an open circle with a dot; the cue ball's path solid and
// thicker, the object balls' paths dashed and dotted, with arrowheads along
// them, the balls' final places outlined, the cue ball's cushion contacts
// numbered and its object-ball contacts marked. The window draws through
// TableDiagram's own pixel path, not this one.

#include <QRectF>

#include <string>
#include <vector>

#include "diagram/TableDiagram.h"

class QPainter;

// An arrowhead on a path: its tip and the unit direction of the motion there.
struct PathArrow
{
    TablePoint tip;
    double dx = 0;
    double dy = 0;
};

// Arrowheads every spacing metres of travel along path, the first half a
// spacing from its start. A path that does not move has none; stretches far
// off the table (100 m) are passed over.
std::vector<PathArrow> ArrowsAlong(const std::vector<TablePoint>& path, double spacing);

// The size of the whole table, rails included, in metres.
QSizeF TableSizeMetres(const TableGeometry& geometry);

// The table, balls, paths and marks, centred in box as large as it fits.
void PaintTable(QPainter& painter, const TableDiagram& diagram, const QRectF& box);

// Text lines of the notes, textPx high: the title above the table, the stroke
// and detail lines below it, the table centred in the room between.
void PaintAnnotatedDiagram(QPainter& painter, const TableDiagram& diagram, const QRectF& box, double textPx);

// The table at the left of box, as large as its height allows, and text
// lines at its right, textPx high: the first one a heading in bold, empty
// ones leaving a gap. The notes' own texts are not printed.
void PaintDiagramBesideText(QPainter& painter, const TableDiagram& diagram, const QRectF& box,
                            const std::vector<std::string>& lines, double textPx);

// Height of the text lines PaintAnnotatedDiagram adds to the table.
double NotesHeight(const DiagramNotes& notes, double textPx);
