#pragma once

// The "Langue" sub-menu: "Français" and "English", the language in use
// checked. A choice is stored for the next start of the program and of the
// tools, and a note in the chosen language says so.

class QMenu;

// Adds the sub-menu at the end of menu and returns it.
QMenu* AddLanguageMenu(QMenu* menu);
