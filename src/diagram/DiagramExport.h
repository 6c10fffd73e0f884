#pragma once

// Table diagrams as image files: SVG (shapes, balls as ellipses, trajectories
// as polylines), PDF (one A4 landscape page, vector) or PNG (at a chosen
// width), the type following the file name's extension.

#include <QByteArray>

#include <optional>
#include <string>

#include "diagram/TableDiagram.h"

class QPaintDevice;

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

// The diagram laid out as large as width x height pixels allow, its lines
// about a thousandth of the table's width thick (one pixel at least).
TableDiagram FitDiagram(const TableDiagram& diagram, int width, int height);

// Draws the diagram on a page (a PDF writer, a printer) as large as the
// printable area allows, at its top left.
void DrawDiagramOnPage(QPaintDevice& page, const TableDiagram& diagram);

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
