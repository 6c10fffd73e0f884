// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fichier > Exporter l'image... : the table as the view shows it, with the
// trajectories of the last computed shot when they belong to the set-up
// shown, written to an SVG, PDF or PNG file as a printed diagram: titled by
// the file's name, the stroke below the table, the cue ball's contacts marked.

#include <QString>

#include "diagram/TableDiagram.h"

class CMirobeltView;
class QWidget;

// The view's table and balls as printed diagrams show them: the shot's
// trajectories and contacts while they belong to the set-up on the table,
// the title given and the stroke of the set-up below it.
TableDiagram PrintedDiagramOfView(CMirobeltView& view, const QString& title, PathWidth pathWidth = PathWidth::Normal);

// Writes the view's diagram to path (a PNG widthPx wide) and returns the
// note for the status bar. ok (optional) tells whether the file was written.
QString ExportViewDiagram(CMirobeltView& view, const QString& path, int widthPx, bool* ok = nullptr,
                          PathWidth pathWidth = PathWidth::Normal);

// The command: asks for the file name, then in one dialog the width of a PNG
// and the thickness of the trajectories, then exports. Returns the note for
// the status bar, empty when the user cancelled.
QString RunDiagramExportCommand(CMirobeltView& view, QWidget* parent);
