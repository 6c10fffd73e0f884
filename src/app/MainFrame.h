// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: menu, accelerators, the file and game toolbars, the status
// bar with the position counters, and the table view as its central widget.

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>

#include "app/CommandTable.h"

class CMirobeltDoc;
class CMirobeltView;
class CRecentFileList;
class HelpWindow;
class QAction;
class QImage;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class SetUpModel;
class ShotFinderPanel;
class StrokePanel;

// Command identifiers.
enum CommandId : int
{
    ID_SHOT_INTERRUPT = 32771,
    ID_SHOT_PLAY = 32773,
    ID_SHOW_TRAJECTORY = 32774,
    ID_SHOT_FINAL_POSITION = 32775,
    ID_POSITION_PREV = 32777,
    ID_POSITION_NEXT = 32778,
    ID_POSITION_LIST_SAVE = 32780,
    ID_POSITION_LIST_LOAD = 32781,
    ID_PLAY_AND_NEXT = 32782,
    ID_MODE_ARTISTIC = 32783,
    ID_MODE_NORMAL = 32784,
    ID_POSITION_DELETE = 32785,
    ID_HOW_TO_PLAY = 32786,
    ID_COLOUR = 32803,
    ID_MONOCHROME = 32804,
    ID_WIDTH_500 = 32805,
    ID_SHOW_MARKERS = 32810,
    ID_FRAME_STYLE = 32814,
    ID_SPOT_GRID = 32816,
    ID_TABLE_FORMAT = 32817,
    ID_FIND_SHOT = 32830,
    ID_STROKE_PANEL = 32832,
    ID_LANGUAGE_MENU = 32833,
    ID_FILE_EXPORT_IMAGE = 32831,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP = 57670,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// Application title: window title, settings key and About box.
extern const char* const kApplicationTitle;
// Idle prompt of the status bar's message pane.
extern const char* const kIdlePrompt;

// Outer geometry of the main window at start: four fifths of the screen,
// about centred (integer arithmetic, as the window manager gets it).
QRect InitialFrameGeometry(QSize screen);

// Text of a position pane: the label and the number right-aligned in three
// characters ("PosCourante:  5"), or empty for 0.
QString PositionPaneText(const QString& label, int value);

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // The frame creates the view of doc as its central widget, its menus,
    // bars and geometry. recentFiles (may be null) receives every position
    // file opened or saved under a chosen name.
    CMainFrame(CMirobeltDoc* doc, CRecentFileList* recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Start geometry and title, from the available size of the primary screen.
    void PreCreateWindow();
    // Builds the toolbars, the status bar and the docking; 0 on success.
    int OnCreate();
    bool IsCreated() const { return m_bCreated; }

    CMirobeltView* View() const { return m_pView; }
    // The set-up and the position list of the window, with their undo stack.
    SetUpModel* Model() const { return m_pModel; }
    StrokePanel* StrokeSettings() const { return m_pStrokePanel; }
    QAction* CommandAction(int commandId) const;
    QStatusBar* StatusBar() const { return m_wndStatusBar; }
    QToolBar* FileBar() const { return m_wndToolBar; }
    QToolBar* GameBar() const { return m_wndGameBar; }
    ShotFinderPanel* FinderPanel() const { return m_pFinderPanel; }
    QMenu* FileMenu() const { return m_pFileMenu; }
    // Status panes: 0 the idle prompt of the message pane, 1 to 3 the blank
    // panes (2 current position, 3 position count), 4 to 6 the lock indicators.
    QLabel* Pane(int index) const;

    // Moves and sizes the window so that its outer frame covers rect.
    void SetOuterGeometry(const QRect& rect);
    // Name of the framework document shown in the title ("Sans titre" when empty).
    void SetDocumentTitle(const QString& title);
    // The recent entries of the File menu, rebuilt from the list.
    void RebuildRecentFileMenu();

    // Command handlers of the frame.
    void OnViewToolbar();     // shows or hides the game bar
    void OnViewStatusBar();
    void OnWidth500();
    void OnUpdatePositionPanes();
    void OnAppAbout();
    void OnFileNew();
    void OnFilePrint();
    void OnFileExportImage();
    void OnOpenRecentFile(int index);
    // Shows the "Coups possibles" panel.
    void OnFindShot();
    // Opens the user's guide (F1).
    void OnHelp();

    // Told the id of each command of the table before its handler runs;
    // false skips the handler (the tests follow the wiring with it).
    std::function<bool(int)> m_commandTrace;

    // Asked on quit when the position list changed since it was last saved
    // or read: true when the window may close (the list saved, or its
    // changes given up).
    bool ListMayBeLeft();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    // The actions, menus and bars of the command table, and their texts in
    // the installed language (again on each change of language).
    void BuildCommands();
    void BuildMenus();
    void RetranslateCommands();
    void RetranslateWindow();
    void RefreshUndoTexts();
    // The docks' places, kept in the settings between runs.
    void RestoreDockLayout();
    void SaveDockLayout();
    void ShowStatusMessage(const QString& text);

    CMirobeltDoc* m_pDoc;
    CRecentFileList* m_pRecentFiles;
    bool m_bCreated = false;
    SetUpModel* m_pModel = nullptr;
    CMirobeltView* m_pView = nullptr;
    StrokePanel* m_pStrokePanel = nullptr;

    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndGameBar = nullptr;
    QLabel* m_panes[7] = {};
    ShotFinderPanel* m_pFinderPanel = nullptr;
    HelpWindow* m_pHelpWindow = nullptr;  // made when first asked for

    std::map<int, QAction*> m_commands;
    std::map<CommandMenu, QMenu*> m_menus;
    QString m_documentTitle;  // empty: untitled
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pFileSeparator = nullptr;  // after "save as": the recent entries follow it
    QList<QAction*> m_recentActions;      // the entries and their closing separator

    int m_nShownPosition = 0;  // last values written to panes 2 and 3
    int m_nShownCount = 0;
    QTimer m_idleTimer;
};
