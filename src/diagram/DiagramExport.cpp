#include "diagram/DiagramExport.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "positions/PositionFile.h"

namespace
{
// The page of a PDF: A4 landscape, 10 mm margins, drawn at 300 dots per inch.
constexpr double kPageMarginMm = 10;
constexpr int kPdfResolution = 300;
// Links followed to the file an export replaces, as many as the system follows.
constexpr int kMaxLinkHops = 40;

// Room enough below a drawing fitted to a width: the table is wider than high.
int AnyHeightFor(int width)
{
    return 2 * width;
}

QByteArray RenderSvg(const TableDiagram& diagram, int widthPx)
{
    const TableDiagram laid = FitDiagram(diagram, widthPx, AnyHeightFor(widthPx));
    const QSize size(laid.layout.TotalWidth(), laid.layout.TotalHeight());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Diagramme de billard"));
    {
        CDC dc(static_cast<QPaintDevice*>(&svg));
        diagram::Draw(dc, laid);
    }
    return buffer.data();
}

QByteArray RenderPdf(const TableDiagram& diagram)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setResolution(kPdfResolution);
    pdf.setTitle(QStringLiteral("Diagramme de billard"));
    pdf.setCreator(QStringLiteral("Mirobelt"));
    DrawDiagramOnPage(pdf, diagram);
    return buffer.data();
}

QByteArray RenderPng(const TableDiagram& diagram, int widthPx)
{
    const TableDiagram laid = FitDiagram(diagram, widthPx, AnyHeightFor(widthPx));
    // The table's pixel sizes are whole: a column or two may stay white at the right.
    QImage image(widthPx, laid.layout.TotalHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CDC dc(&image);
        diagram::Draw(dc, laid);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QByteArray();
    return buffer.data();
}

// A file already at path may be replaced only by a user allowed to write it;
// its write permission bits are asked for too, as the super-user passes any
// access check.
bool MayReplace(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    return access(path.c_str(), W_OK) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}
}  // namespace

std::optional<DiagramFormat> DiagramFormatOfPath(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".svg")
        return DiagramFormat::Svg;
    if (extension == ".pdf")
        return DiagramFormat::Pdf;
    if (extension == ".png")
        return DiagramFormat::Png;
    return std::nullopt;
}

TableDiagram FitDiagram(const TableDiagram& diagram, int width, int height)
{
    TableDiagram laid = diagram;
    laid.layout = LayoutTable(diagram.geometry, FitMetresPerPixel(diagram.geometry, width, height));
    laid.lineWidth = std::max(1, laid.layout.TotalWidth() / 1000);
    return laid;
}

void DrawDiagramOnPage(QPaintDevice& page, const TableDiagram& diagram)
{
    const TableDiagram laid = FitDiagram(diagram, page.width(), page.height());
    CDC dc(&page);
    diagram::Draw(dc, laid);
}

QByteArray RenderDiagram(const TableDiagram& diagram, DiagramFormat format, int widthPx)
{
    switch (format)
    {
    case DiagramFormat::Svg: return RenderSvg(diagram, widthPx);
    case DiagramFormat::Pdf: return RenderPdf(diagram);
    case DiagramFormat::Png: return RenderPng(diagram, widthPx);
    }
    return QByteArray();
}

DiagramExportStatus ExportDiagram(const TableDiagram& diagram, const std::string& path, int widthPx)
{
    const std::optional<DiagramFormat> format = DiagramFormatOfPath(path);
    if (!format)
        return DiagramExportStatus::UnknownFormat;
    if (widthPx < kMinDiagramWidth || widthPx > kMaxDiagramWidth)
        return DiagramExportStatus::BadWidth;

    // A symbolic link stays: the file it points to, even one still to be
    // made, is the one replaced.
    namespace fs = std::filesystem;
    std::error_code unknown;
    std::error_code error;
    fs::path target = path;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(fs::symlink_status(target, unknown)); ++hop)
    {
        const fs::path next = fs::read_symlink(target, error);
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    if (error || !MayReplace(target.string()))
        return DiagramExportStatus::CannotWrite;

    const QByteArray bytes = RenderDiagram(diagram, *format, widthPx);
    if (bytes.isEmpty() || !WriteFileAtomically(target.string(), bytes.toStdString()))
        return DiagramExportStatus::CannotWrite;
    return DiagramExportStatus::Written;
}
