// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Langue" sub-menu: "Français" and "English", the language in use
// checked. A choice is stored for the next start of the program and of the
// tools and installed at once: the window's menus, bars and tips follow it
// live, and a note in the chosen language says what waits for the next start.

class QMenu;

// Fills languages (a sub-menu whose parent widget is the main window) with
// the languages' entries.
void FillLanguageMenu(QMenu* languages);
