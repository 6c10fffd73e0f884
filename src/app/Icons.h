// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Toolbar and application icons, drawn with QPainter: no image files. Each
// toolbar icon holds a 1x and a 2x picture so that it stays sharp on
// high-density screens.

#include <QIcon>
#include <QPainter>
#include <QSize>

// Draws the picture of a toolbar command in logical coordinates 0..size.
// Unknown commands draw nothing.
void PaintCommandIcon(QPainter& painter, int commandId, QSize size);

// The icon of a toolbar command at the bar's button size (1x and 2x).
QIcon MakeCommandIcon(int commandId, QSize size);

// Draws the application picture (a table corner with the three balls) into a
// square of the given side.
void PaintApplicationIcon(QPainter& painter, int side);

// The application icon, from 16 to 256 pixels.
QIcon MakeApplicationIcon();
