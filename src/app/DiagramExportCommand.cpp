// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiagramExportCommand.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>

#include "diagram/DiagramExport.h"
#include "diagram/ShotDiagram.h"
#include "diagram/StrokeText.h"
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
    {QT_TRANSLATE_NOOP("DiagramExport", "Image vectorielle SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("DiagramExport", "Document PDF (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("DiagramExport", "Image PNG (*.png)"), "png"},
};

QString Tr(const char* text)
{
    return QCoreApplication::translate("DiagramExport", text);
}

// The width of a PNG (asked only for one) and the thickness of the
// trajectories; false when the user cancelled.
bool AskImageOptions(QWidget* parent, bool askWidth, int& width, PathWidth& pathWidth)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("DiagramExport", "Exporter l'image"));
    auto* form = new QFormLayout(&dialog);
    QSpinBox* widthBox = nullptr;
    if (askWidth)
    {
        widthBox = new QSpinBox(&dialog);
        widthBox->setRange(kMinDiagramWidth, kMaxDiagramWidth);
        widthBox->setSingleStep(100);
        widthBox->setValue(width);
        form->addRow(QCoreApplication::translate("DiagramExport", "Largeur de l'image en pixels :"), widthBox);
    }
    auto* thickness = new QComboBox(&dialog);
    thickness->addItem(QCoreApplication::translate("DiagramExport", "Fines"), static_cast<int>(PathWidth::Thin));
    thickness->addItem(QCoreApplication::translate("DiagramExport", "Normales"), static_cast<int>(PathWidth::Normal));
    thickness->addItem(QCoreApplication::translate("DiagramExport", "Épaisses"), static_cast<int>(PathWidth::Thick));
    thickness->setCurrentIndex(thickness->findData(static_cast<int>(pathWidth)));
    form->addRow(QCoreApplication::translate("DiagramExport", "Trajectoires :"), thickness);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (widthBox != nullptr)
        width = widthBox->value();
    pathWidth = static_cast<PathWidth>(thickness->currentData().toInt());
    return true;
}

QString ChooseImagePath(QWidget* parent)
{
    QStringList filters;
    for (const ImageFilter& f : kImageFilters)
        filters << Tr(f.filter);
    QFileDialog dialog(parent, QCoreApplication::translate("DiagramExport", "Exporter l'image"));
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

TableDiagram PrintedDiagramOfView(CMirobeltView& view, const QString& title, PathWidth pathWidth)
{
    TableDiagram shown = DiagramOfView(view, false);
    const ShotSetup setup = view.Model()->Current().ToShotSetup();
    // The trajectories are shown only while they are those of the set-up on
    // the table; computed again, they come with the cue ball's contacts.
    if (view.Model()->ShotIsOfCurrentSetUp())
        AddShot(shown, setup, ComputeShot(*view.GetDocument(), setup));
    shown.notes.cueBall = setup.cueBall - 1;
    shown.notes.pathWidth = pathWidth;
    shown.notes.title = title.toStdString();
    shown.notes.strokeLine = StrokeLine(StrokeOf(setup));
    return shown;
}

QString ExportViewDiagram(CMirobeltView& view, const QString& path, int widthPx, bool* ok, PathWidth pathWidth)
{
    const TableDiagram shown = PrintedDiagramOfView(view, QFileInfo(path).completeBaseName(), pathWidth);
    const DiagramExportStatus status = ExportDiagram(shown, path.toStdString(), widthPx);
    if (ok != nullptr)
        *ok = status == DiagramExportStatus::Written;
    const QString name = QFileInfo(path).fileName();
    switch (status)
    {
    case DiagramExportStatus::Written:
        return QCoreApplication::translate("DiagramExport", "Image exportée : %1").arg(name);
    case DiagramExportStatus::UnknownFormat:
        return QCoreApplication::translate("DiagramExport", "Type d'image inconnu pour %1 : choisissez un nom en .svg, .pdf ou .png").arg(name);
    case DiagramExportStatus::BadWidth:
        return QCoreApplication::translate("DiagramExport", "Largeur d'image de %1 pixels refusée : de %2 à %3 pixels")
            .arg(widthPx)
            .arg(kMinDiagramWidth)
            .arg(kMaxDiagramWidth);
    case DiagramExportStatus::CannotWrite:
        break;
    }
    return QCoreApplication::translate("DiagramExport", "Impossible d'enregistrer l'image %1").arg(name);
}

QString RunDiagramExportCommand(CMirobeltView& view, QWidget* parent)
{
    const QString path = ChooseImagePath(parent);
    if (path.isEmpty())
        return QString();
    const std::optional<DiagramFormat> format = DiagramFormatOfPath(path.toStdString());
    int width = kDefaultDiagramWidth;
    PathWidth pathWidth = PathWidth::Normal;
    if (format && !AskImageOptions(parent, *format == DiagramFormat::Png, width, pathWidth))
        return QString();
    const QString note = ExportViewDiagram(view, path, width, nullptr, pathWidth);
    if (!format)
        QMessageBox::warning(parent, QCoreApplication::translate("DiagramExport", "Exporter l'image"), note);
    return note;
}
