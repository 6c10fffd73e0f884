// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandTable.h"

#include <QCoreApplication>

#include <algorithm>

#include "app/MainFrame.h"
#include "setup/gui/SetUpModel.h"
#include "view/MirobeltView.h"

const char* const kCommandContext = "CommandTable";

namespace
{
using Menu = CommandMenu;
using Bar = CommandBar;
using Kind = CommandKind;

// A command of the table view.
std::function<void(CMainFrame&)> ViewCommand(void (CMirobeltView::*handler)())
{
    return [handler](CMainFrame& frame) { (frame.View()->*handler)(); };
}

// A command of the frame itself.
std::function<void(CMainFrame&)> FrameCommand(void (CMainFrame::*handler)())
{
    return [handler](CMainFrame& frame) { (frame.*handler)(); };
}

// The lines of the "Comment Jouer" sub-menu.
const char* const kHowToPlay[] = {
    QT_TRANSLATE_NOOP("CommandTable", "Pour deplacer une bille : Drag and Drop avec le bouton droit de la souris"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour indiquer la direction : Cliquer sur une bille et Drag and Drop avec le bouton gauche"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour regler l'effet et la hauteur : Bouton gauche sur la bille en bas a gauche de la fenetre"),
    QT_TRANSLATE_NOOP("CommandTable", "     n : attaque au centre"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour indiquer la force du coup: bouton gauche sur la barre horizontale sous le billard"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour indiquer l'angle de masse ou pique,: bouton gauche sur le curseur rouge"),
    QT_TRANSLATE_NOOP("CommandTable", "   F5 -> Horizontal    F8-> Vertical"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour visualiser les trajectoires : double click (bouton gauche)"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour jouer le coup: Return ou barre d'outil"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour interrompre un coup en cours, Escape"),
    QT_TRANSLATE_NOOP("CommandTable", "Pour visualiser le coup en temps reel : maintenir la touche Shift"),
    QT_TRANSLATE_NOOP("CommandTable", "Les \"bleus\" situes sur la bande en haut a gauche peuvent etre deplaces comme les billes"),
};

std::vector<CommandEntry> MakeTable()
{
    std::vector<CommandEntry> table;
    auto add = [&table](CommandEntry entry) { table.push_back(std::move(entry)); };

    // Menu "Fichier", and the file bar.
    add({.id = ID_FILE_OPEN, .text = QT_TRANSLATE_NOOP("CommandTable", "&Ouvrir une position...\tCtrl+O"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Ouvre un document existant"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_O)}, .menu = Menu::File, .menuPosition = 1, .bar = Bar::File,
         .barPosition = 1, .handler = ViewCommand(&CMirobeltView::OnFileOpen)});
    add({.id = ID_FILE_SAVE_AS, .text = QT_TRANSLATE_NOOP("CommandTable", "En&registrer une position sous..."),
         .prompt = QT_TRANSLATE_NOOP("CommandTable", "Enregistre le document actif sous un nouveau nom"), .menu = Menu::File, .menuPosition = 2,
         .bar = Bar::File, .barPosition = 2, .handler = ViewCommand(&CMirobeltView::OnFileSaveAs)});
    add({.id = ID_FILE_EXPORT_IMAGE, .text = QT_TRANSLATE_NOOP("CommandTable", "&Exporter l'image...\tCtrl+E"),
         .prompt = QT_TRANSLATE_NOOP("CommandTable", "Enregistre la table et les trajectoires en image SVG, PDF ou PNG"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Exporter l'image"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_E)}, .menu = Menu::File, .menuPosition = 3,
         .handler = FrameCommand(&CMainFrame::OnFileExportImage)});
    add({.id = ID_FILE_PRINT, .text = QT_TRANSLATE_NOOP("CommandTable", "&Imprimer...\tCtrl+P"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Imprime le document actif"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_P)}, .menu = Menu::File, .menuPosition = 4,
         .handler = FrameCommand(&CMainFrame::OnFilePrint)});
    // The recent files come between the separator and "Quitter".
    add({.id = ID_APP_EXIT, .text = QT_TRANSLATE_NOOP("CommandTable", "&Quitter\tCtrl+Q"),
         .prompt = QT_TRANSLATE_NOOP("CommandTable", "Ferme l'application ; propose d'enregistrer les documents"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Quitter"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_Q)}, .menu = Menu::File, .menuPosition = 5,
         .menuSeparatorBefore = true, .handler = [](CMainFrame& frame) { frame.close(); }});
    add({.id = ID_FILE_SAVE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Enregistre le document actif"), .keys = {QKeySequence(Qt::CTRL | Qt::Key_S)},
         .handler = ViewCommand(&CMirobeltView::OnFileSave)});
    add({.id = ID_FILE_NEW, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Crée un nouveau document"), .keys = {QKeySequence(Qt::CTRL | Qt::Key_N)},
         .handler = FrameCommand(&CMainFrame::OnFileNew)});

    // Menu "Edition": the step named in the text is added by the window.
    add({.id = ID_EDIT_UNDO, .text = QT_TRANSLATE_NOOP("CommandTable", "Annuler"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Annule la dernière action"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}, .menu = Menu::Edit,
         .menuPosition = 1, .handler = [](CMainFrame& frame) { frame.Model()->Undo(); }});
    add({.id = ID_EDIT_REDO, .text = QT_TRANSLATE_NOOP("CommandTable", "Rétablir"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Rétablit l'action annulée"),
         .keys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         .menu = Menu::Edit, .menuPosition = 2, .handler = [](CMainFrame& frame) { frame.Model()->Redo(); }});

    // Menu "Affichage".
    add({.id = ID_VIEW_TOOLBAR, .text = QT_TRANSLATE_NOOP("CommandTable", "&Barre d'outils"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Affiche ou masque la barre d'outils"),
         .menu = Menu::View, .menuPosition = 1, .checkable = true, .handler = FrameCommand(&CMainFrame::OnViewToolbar)});
    add({.id = ID_VIEW_STATUS_BAR, .text = QT_TRANSLATE_NOOP("CommandTable", "Barre d'é&tat"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Affiche ou masque la barre d'état"),
         .menu = Menu::View, .menuPosition = 2, .checkable = true,
         .handler = FrameCommand(&CMainFrame::OnViewStatusBar)});
    add({.id = ID_STROKE_PANEL, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Affiche ou masque les réglages du coup en chiffres"),
         .tip = QT_TRANSLATE_NOOP("CommandTable", "Réglages du coup"), .menu = Menu::View, .menuPosition = 3, .bar = Bar::Game, .barPosition = 21,
         .kind = Kind::StrokePanel});
    add({.id = ID_LANGUAGE_MENU, .text = QT_TRANSLATE_NOOP("CommandTable", "&Langue"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Choisit la langue de l'interface"), .menu = Menu::View, .menuPosition = 4, .kind = Kind::LanguageMenu});

    // Menu "Outils".
    add({.id = ID_FIND_SHOT, .text = QT_TRANSLATE_NOOP("CommandTable", "&Chercher un coup...\tF9"),
         .prompt = QT_TRANSLATE_NOOP("CommandTable", "Cherche les coups qui marquent le point depuis la position (F9)"),
         .tip = QT_TRANSLATE_NOOP("CommandTable", "Chercher un coup (F9)"), .keys = {QKeySequence(Qt::Key_F9)}, .menu = Menu::Tools,
         .menuPosition = 1, .bar = Bar::Game, .barPosition = 20, .barSeparatorBefore = true,
         .handler = FrameCommand(&CMainFrame::OnFindShot)});

    // Menu "Comment jouer".
    add({.id = ID_HELP, .text = QT_TRANSLATE_NOOP("CommandTable", "&Aide de Mirobelt\tF1"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Ouvre le guide de l'utilisateur (F1)"),
         .tip = QT_TRANSLATE_NOOP("CommandTable", "Aide de Mirobelt (F1)"), .keys = {QKeySequence(Qt::Key_F1)}, .menu = Menu::Help, .menuPosition = 1,
         .handler = FrameCommand(&CMainFrame::OnHelp)});
    add({.id = ID_APP_ABOUT, .text = QT_TRANSLATE_NOOP("CommandTable", "&A propos de Billard..."),
         .prompt = QT_TRANSLATE_NOOP("CommandTable", "Affiche des informations sur le programme, le numéro de version et le copyright"),
         .tip = QT_TRANSLATE_NOOP("CommandTable", "A propos de"), .menu = Menu::Help, .menuPosition = 2, .handler = FrameCommand(&CMainFrame::OnAppAbout)});
    add({.id = ID_HOW_TO_PLAY, .text = QT_TRANSLATE_NOOP("CommandTable", "Comment Jouer"), .prompt = QT_TRANSLATE_NOOP("CommandTable", "Comment jouer en quelques mots. "),
         .menu = Menu::Help, .menuPosition = 3, .kind = Kind::HowToPlayMenu});

    // The game bar.
    add({.id = ID_SHOT_INTERRUPT, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Interrompt le coup en cours (ESC)"), .bar = Bar::Game, .barPosition = 1,
         .handler = ViewCommand(&CMirobeltView::OnShotInterrupt)});
    add({.id = ID_SHOT_PLAY, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Joue le coup (RET)"), .bar = Bar::Game, .barPosition = 2,
         .handler = ViewCommand(&CMirobeltView::OnShotPlay)});
    add({.id = ID_SHOW_TRAJECTORY, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Montre la trajectoire (Dbl Click)"), .bar = Bar::Game,
         .barPosition = 3, .handler = ViewCommand(&CMirobeltView::OnShowTrajectory)});
    add({.id = ID_POSITION_PREV, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Position Precedente"), .bar = Bar::Game, .barPosition = 4,
         .barSeparatorBefore = true, .handler = ViewCommand(&CMirobeltView::OnPositionPrev)});
    add({.id = ID_POSITION_DELETE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Efface la position courante de la liste de coups"), .bar = Bar::Game,
         .barPosition = 5, .handler = ViewCommand(&CMirobeltView::OnPositionDelete)});
    add({.id = ID_POSITION_NEXT, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Position suivante"), .bar = Bar::Game, .barPosition = 6,
         .handler = ViewCommand(&CMirobeltView::OnPositionNext)});
    add({.id = ID_PLAY_AND_NEXT, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Joue le coup et passe a la position suivante"), .bar = Bar::Game,
         .barPosition = 7, .handler = ViewCommand(&CMirobeltView::OnPlayAndNext)});
    add({.id = ID_POSITION_LIST_SAVE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Sauve la liste des positions"), .bar = Bar::Game, .barPosition = 8,
         .handler = ViewCommand(&CMirobeltView::OnPositionListSave)});
    add({.id = ID_POSITION_LIST_LOAD, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Charge la liste des positions"), .bar = Bar::Game, .barPosition = 9,
         .handler = ViewCommand(&CMirobeltView::OnPositionListLoad)});
    add({.id = ID_MODE_ARTISTIC, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Mode Artistique"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Mode Artistique"), .bar = Bar::Game,
         .barPosition = 10, .barSeparatorBefore = true, .handler = ViewCommand(&CMirobeltView::OnModeArtistic)});
    add({.id = ID_MODE_NORMAL, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Mode Normal"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Mode Normal"), .bar = Bar::Game,
         .barPosition = 11, .handler = ViewCommand(&CMirobeltView::OnModeNormal)});
    add({.id = ID_COLOUR, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Mode couleur (Repaint)"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Mode couleur"), .bar = Bar::Game,
         .barPosition = 12, .barSeparatorBefore = true, .handler = ViewCommand(&CMirobeltView::OnColour)});
    add({.id = ID_MONOCHROME, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Mode monochrome (Repaint)"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Mode monochrome"), .bar = Bar::Game,
         .barPosition = 13, .handler = ViewCommand(&CMirobeltView::OnMonochrome)});
    add({.id = ID_WIDTH_500, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Fixe la taille de l'ecran a 500 pixels en largeur."), .bar = Bar::Game,
         .barPosition = 14, .handler = FrameCommand(&CMainFrame::OnWidth500)});
    add({.id = ID_SHOW_MARKERS, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Affichage de reperes deplacables (Drag and Drop bouton droit.)"),
         .tip = QT_TRANSLATE_NOOP("CommandTable", "Affichage de reperes deplacables."), .bar = Bar::Game, .barPosition = 15,
         .handler = ViewCommand(&CMirobeltView::OnShowMarkers)});
    add({.id = ID_FRAME_STYLE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Trace un cadre style 71/2"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Trace un cadre style 71/2"),
         .bar = Bar::Game, .barPosition = 16, .handler = ViewCommand(&CMirobeltView::OnFrameStyle)});
    add({.id = ID_TABLE_FORMAT, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Billard <-> Demi Billard"), .tip = QT_TRANSLATE_NOOP("CommandTable", "Billard <-> Demi Billard."),
         .bar = Bar::Game, .barPosition = 17, .handler = ViewCommand(&CMirobeltView::OnTableFormat)});

    // Commands on no menu and no bar.
    add({.id = ID_SHOT_FINAL_POSITION, .handler = ViewCommand(&CMirobeltView::OnShotFinalPosition)});
    // Commands that nothing handles: enabled, doing nothing. Their keys stay
    // away from the view (F6 in particular).
    add({.id = ID_SPOT_GRID, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Quadrillage mouche à mouche.")});
    add({.id = ID_EDIT_CUT, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Coupe la sélection et la place dans le Presse-papiers"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}});
    add({.id = ID_EDIT_COPY, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Copie la sélection et la place dans le Presse-papiers"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}});
    add({.id = ID_EDIT_PASTE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Insère le contenu du Presse-papiers"),
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}});
    add({.id = ID_NEXT_PANE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Passe au volet de fenêtre suivant"), .keys = {QKeySequence(Qt::Key_F6)}});
    add({.id = ID_PREV_PANE, .prompt = QT_TRANSLATE_NOOP("CommandTable", "Revient au volet de fenêtre précédent"),
         .keys = {QKeySequence(Qt::SHIFT | Qt::Key_F6)}});
    return table;
}

QString Translated(const char* text)
{
    return text == nullptr ? QString() : QCoreApplication::translate(kCommandContext, text);
}
}  // namespace

const std::vector<CommandEntry>& CommandTable()
{
    static const std::vector<CommandEntry> table = MakeTable();
    return table;
}

const char* MenuTitle(CommandMenu menu)
{
    switch (menu)
    {
    case CommandMenu::File: return QT_TRANSLATE_NOOP("CommandTable", "&Fichier");
    case CommandMenu::Edit: return QT_TRANSLATE_NOOP("CommandTable", "&Edition");
    case CommandMenu::View: return QT_TRANSLATE_NOOP("CommandTable", "&Affichage");
    case CommandMenu::Tools: return QT_TRANSLATE_NOOP("CommandTable", "&Outils");
    case CommandMenu::Help: return QT_TRANSLATE_NOOP("CommandTable", "Comment jouer");
    case CommandMenu::None: break;
    }
    return "";
}

const char* BarTitle(CommandBar bar)
{
    switch (bar)
    {
    case CommandBar::File: return QT_TRANSLATE_NOOP("CommandTable", "Fichier");
    case CommandBar::Game: return QT_TRANSLATE_NOOP("CommandTable", "Jeu");
    case CommandBar::None: break;
    }
    return "";
}

std::vector<const CommandEntry*> EntriesOfMenu(CommandMenu menu)
{
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry& entry : CommandTable())
        if (menu != CommandMenu::None && entry.menu == menu)
            entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CommandEntry* a, const CommandEntry* b) { return a->menuPosition < b->menuPosition; });
    return entries;
}

std::vector<const CommandEntry*> EntriesOfBar(CommandBar bar)
{
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry& entry : CommandTable())
        if (bar != CommandBar::None && entry.bar == bar)
            entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CommandEntry* a, const CommandEntry* b) { return a->barPosition < b->barPosition; });
    return entries;
}

QString CommandPrompt(const CommandEntry& entry) { return Translated(entry.prompt); }

QString CommandText(const CommandEntry& entry)
{
    return entry.text != nullptr ? Translated(entry.text) : CommandPrompt(entry);
}

QString CommandTip(const CommandEntry& entry)
{
    return entry.tip != nullptr ? Translated(entry.tip) : CommandPrompt(entry);
}

int HowToPlayLineCount() { return static_cast<int>(std::size(kHowToPlay)); }

QString HowToPlayLine(int index)
{
    return index >= 0 && index < HowToPlayLineCount() ? Translated(kHowToPlay[index]) : QString();
}
