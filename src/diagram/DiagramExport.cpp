// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/DiagramExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <filesystem>

#include "diagram/PrintedDiagram.h"
#include "positions/PositionFile.h"

namespace
{
// The page of a PDF: A4 landscape, 15 mm margins, drawn at 300 dots per inch,
// its text 11 points high.
constexpr double kPageMarginMm = 15;
constexpr int kPdfResolution = 300;
constexpr double kPageTextPoints = 11;
// Links followed to the file an export replaces, as many as the system follows.
constexpr int kMaxLinkHops = 40;

QString DefaultTitle()
{
    return QCoreApplication::translate("Diagram", "Diagramme de billard");
}

// Text of an image, a 55th of its width high.
double ImageTextPx(int widthPx)
{
    return widthPx / 55.0;
}

// The whole table at the width, with the lines of the notes.
QSizeF ImageSize(const TableDiagram& diagram, int widthPx)
{
    const QSizeF table = TableSizeMetres(diagram.geometry);
    return QSizeF(widthPx, widthPx * table.height() / table.width() + NotesHeight(diagram.notes, ImageTextPx(widthPx)));
}

QByteArray RenderSvg(const TableDiagram& diagram, int widthPx)
{
    const QSizeF size = ImageSize(diagram, widthPx);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(diagram.notes.title.empty() ? DefaultTitle() : QString::fromStdString(diagram.notes.title));
    {
        QPainter painter(&svg);
        PaintAnnotatedDiagram(painter, diagram, QRectF(QPointF(0, 0), size), ImageTextPx(widthPx));
    }
    return buffer.data();
}

QByteArray RenderPdf(const TableDiagram& diagram)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    SetUpSheetPage(pdf, diagram.notes.title.empty() ? DefaultTitle() : QString::fromStdString(diagram.notes.title));
    TableDiagram titled = diagram;
    if (titled.notes.title.empty())
        titled.notes.title = DefaultTitle().toStdString();
    DrawDiagramOnPage(pdf, titled);
    return buffer.data();
}

QByteArray RenderPng(const TableDiagram& diagram, int widthPx)
{
    const QSizeF size = ImageSize(diagram, widthPx);
    QImage image(widthPx, static_cast<int>(std::ceil(size.height())), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintAnnotatedDiagram(painter, diagram, QRectF(QPointF(0, 0), size), ImageTextPx(widthPx));
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

double PageTextPx(const QPaintDevice& page)
{
    return kPageTextPoints / 72.0 * page.logicalDpiY();
}

void SetUpSheetPage(QPdfWriter& pdf, const QString& title)
{
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setResolution(kPdfResolution);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Mirobelt"));
}

void PaintDiagramOnPage(QPainter& painter, const QPaintDevice& page, const TableDiagram& diagram)
{
    PaintAnnotatedDiagram(painter, diagram, QRectF(0, 0, page.width(), page.height()), PageTextPx(page));
}

void DrawDiagramOnPage(QPaintDevice& page, const TableDiagram& diagram)
{
    QPainter painter(&page);
    PaintDiagramOnPage(painter, page, diagram);
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
