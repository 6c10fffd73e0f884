#include "app/DiagramExportCommand.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "diagram/DiagramExport.h"
#include "view/ViewDiagram.h"
#include "view/MirobeltView.h"

namespace
{
// Name filters of the save dialog and the suffix each one adds to a bare name.
struct ImageFilter
{
    const char* filter;
    const char* suffix;
};
constexpr ImageFilter kImageFilters[] = {
    {"Image vectorielle SVG (*.svg)", "svg"},
    {"Document PDF (*.pdf)", "pdf"},
    {"Image PNG (*.png)", "png"},
};

QString ChooseImagePath(QWidget* parent)
{
    QStringList filters;
    for (const ImageFilter& f : kImageFilters)
        filters << QString::fromUtf8(f.filter);
    QFileDialog dialog(parent, QStringLiteral("Exporter l'image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromUtf8(kImageFilters[0].suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromUtf8(kImageFilters[filters.indexOf(filter) % 3].suffix));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
}  // namespace

QString ExportViewDiagram(CMirobeltView& view, const QString& path, int widthPx, bool* ok)
{
    // The trajectories are shown only while they are those of the set-up on the table.
    const TableDiagram shown = DiagramOfView(view, view.Model()->ShotIsOfCurrentSetUp());
    const DiagramExportStatus status = ExportDiagram(shown, path.toStdString(), widthPx);
    if (ok != nullptr)
        *ok = status == DiagramExportStatus::Written;
    const QString name = QFileInfo(path).fileName();
    switch (status)
    {
    case DiagramExportStatus::Written:
        return QStringLiteral("Image exportée : %1").arg(name);
    case DiagramExportStatus::UnknownFormat:
        return QStringLiteral("Type d'image inconnu pour %1 : choisissez un nom en .svg, .pdf ou .png").arg(name);
    case DiagramExportStatus::BadWidth:
        return QStringLiteral("Largeur d'image de %1 pixels refusée : de %2 à %3 pixels")
            .arg(widthPx)
            .arg(kMinDiagramWidth)
            .arg(kMaxDiagramWidth);
    case DiagramExportStatus::CannotWrite:
        break;
    }
    return QStringLiteral("Impossible d'enregistrer l'image %1").arg(name);
}

QString RunDiagramExportCommand(CMirobeltView& view, QWidget* parent)
{
    const QString path = ChooseImagePath(parent);
    if (path.isEmpty())
        return QString();
    const std::optional<DiagramFormat> format = DiagramFormatOfPath(path.toStdString());
    int width = kDefaultDiagramWidth;
    if (format == DiagramFormat::Png)
    {
        bool accepted = false;
        width = QInputDialog::getInt(parent, QStringLiteral("Exporter l'image"),
                                     QStringLiteral("Largeur de l'image en pixels :"), kDefaultDiagramWidth,
                                     kMinDiagramWidth, kMaxDiagramWidth, 100, &accepted);
        if (!accepted)
            return QString();
    }
    const QString note = ExportViewDiagram(view, path, width);
    if (!format)
        QMessageBox::warning(parent, QStringLiteral("Exporter l'image"), note);
    return note;
}
