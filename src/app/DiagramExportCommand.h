#pragma once

// Fichier > Exporter l'image... : the table as the view shows it, with the
// trajectories of the last computed shot when they belong to the set-up
// shown, written to an SVG, PDF or PNG file as a printed diagram: titled by
// the file's name, the stroke below the table, the cue ball's contacts marked.

#include <QString>

#include "diagram/TableDiagram.h"

class CMirobeltView;
class QWidget;

// Writes the view's diagram to path (a PNG widthPx wide) and returns the
// note for the status bar. ok (optional) tells whether the file was written.
QString ExportViewDiagram(CMirobeltView& view, const QString& path, int widthPx, bool* ok = nullptr,
                          PathWidth pathWidth = PathWidth::Normal);

// The command: asks for the file name, then in one dialog the width of a PNG
// and the thickness of the trajectories, then exports. Returns the note for
// the status bar, empty when the user cancelled.
QString RunDiagramExportCommand(CMirobeltView& view, QWidget* parent);
