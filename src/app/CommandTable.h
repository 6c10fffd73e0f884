// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's commands described once: for each, its text, keys, status
// prompt and tooltip, its place in the menus and on the toolbars, and what it
// does. The main window builds its actions, menus and toolbars from this table
// and sets the texts again from it when the language changes; the tests walk
// the same table against the window.
//
// The texts are French, marked for translation in the "CommandTable" context;
// a command that no menu shows carries its prompt as its text.

#include <QKeySequence>
#include <QList>

#include <functional>
#include <vector>

class CMainFrame;

// The menus of the menu bar, in their order.
enum class CommandMenu
{
    None,
    File,
    Edit,
    View,
    Tools,
    Help,
};

enum class CommandBar
{
    None,
    File,  // open and save as
    Game,
};

// How the entry's action is made.
enum class CommandKind
{
    Action,           // an action of its own, built from the entry
    StrokePanel,      // the stroke panel's show/hide action (its text is the panel's title)
    LanguageMenu,     // the "Langue" sub-menu
    HowToPlayMenu,    // the "Comment Jouer" sub-menu of greyed lines
};

struct CommandEntry
{
    int id = 0;
    const char* text = nullptr;    // menu text; nullptr: the prompt
    const char* prompt = nullptr;  // status bar prompt
    const char* tip = nullptr;     // tooltip; nullptr: the prompt
    QList<QKeySequence> keys = {};
    CommandMenu menu = CommandMenu::None;
    int menuPosition = 0;  // order within the menu
    bool menuSeparatorBefore = false;
    CommandBar bar = CommandBar::None;
    int barPosition = 0;  // order on the bar
    bool barSeparatorBefore = false;
    bool checkable = false;
    CommandKind kind = CommandKind::Action;
    std::function<void(CMainFrame&)> handler = {};  // empty: the action does nothing
};

// Translation context of the table's texts.
extern const char* const kCommandContext;

// Every command of the window.
const std::vector<CommandEntry>& CommandTable();

// The menu bar's titles (French, in kCommandContext), one per menu but None.
const char* MenuTitle(CommandMenu menu);
// The toolbars' titles.
const char* BarTitle(CommandBar bar);

// The table's entries of one menu or bar, in their order there.
std::vector<const CommandEntry*> EntriesOfMenu(CommandMenu menu);
std::vector<const CommandEntry*> EntriesOfBar(CommandBar bar);

// The entry's texts in the installed language.
QString CommandText(const CommandEntry& entry);
QString CommandPrompt(const CommandEntry& entry);
QString CommandTip(const CommandEntry& entry);

// The greyed lines of the "Comment Jouer" sub-menu, in the installed language.
int HowToPlayLineCount();
QString HowToPlayLine(int index);
