// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Table diagrams as image files: SVG (shapes, balls as ellipses, trajectories
// as polylines, all at exact coordinates), PDF (one A4 landscape page,
// vector) or PNG (anti-aliased, at a chosen width), the type following the
// file name's extension. The notes of the diagram (title, stroke) are
// printed with it.

#include <QByteArray>

#include <optional>
#include <string>

#include "diagram/TableDiagram.h"

class QPaintDevice;
class QPainter;
class QPdfWriter;
class QString;

enum class DiagramFormat
{
    Svg,
    Pdf,
    Png,
};

// The format named by the extension of path (any letter case), if it is one.
std::optional<DiagramFormat> DiagramFormatOfPath(const std::string& path);

// Width of a PNG in pixels, and the nominal width of an SVG drawing.
constexpr int kDefaultDiagramWidth = 1600;
constexpr int kMinDiagramWidth = 200;
constexpr int kMaxDiagramWidth = 8000;

// A PDF page of diagrams: A4 landscape, 15 mm margins, 300 dots per inch.
void SetUpSheetPage(QPdfWriter& pdf, const QString& title);

// Height in device units of the text of a page (11 points).
double PageTextPx(const QPaintDevice& page);

// The diagram with its notes on a page (a PDF writer, a printer): the title
// at the top, the table centred as large as the printable area allows, the
// stroke line below it.
void DrawDiagramOnPage(QPaintDevice& page, const TableDiagram& diagram);
void PaintDiagramOnPage(QPainter& painter, const QPaintDevice& page, const TableDiagram& diagram);

// The bytes of the file; a PNG and an SVG drawing are widthPx wide.
QByteArray RenderDiagram(const TableDiagram& diagram, DiagramFormat format, int widthPx);

enum class DiagramExportStatus
{
    Written,
    UnknownFormat,  // the extension is none of .svg, .pdf, .png
    BadWidth,       // outside kMinDiagramWidth .. kMaxDiagramWidth
    CannotWrite,    // the file was left as it was
};

// Writes the diagram to path. A file already there is replaced only when the
// user may write it, through a complete new file; a symbolic link keeps
// pointing where it did and its target is replaced.
DiagramExportStatus ExportDiagram(const TableDiagram& diagram, const std::string& path,
                                  int widthPx = kDefaultDiagramWidth);
