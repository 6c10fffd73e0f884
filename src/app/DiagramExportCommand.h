#pragma once

// Fichier > Exporter l'image... : the table as the view shows it, with the
// trajectories of the last computed shot when they belong to the set-up
// shown, written to an SVG, PDF or PNG file.

#include <QString>

class CMirobeltView;
class QWidget;

// Writes the view's diagram to path (a PNG widthPx wide) and returns the
// note for the status bar. ok (optional) tells whether the file was written.
QString ExportViewDiagram(CMirobeltView& view, const QString& path, int widthPx, bool* ok = nullptr);

// The command: asks for the file name, for a PNG its width, then exports.
// Returns the note for the status bar, empty when the user cancelled.
QString RunDiagramExportCommand(CMirobeltView& view, QWidget* parent);
