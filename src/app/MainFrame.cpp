#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/DiagramExportCommand.h"
#include "app/HelpWindow.h"
#include "app/Icons.h"
#include "app/LanguageMenu.h"
#include "app/MirobeltApp.h"
#include "diagram/DiagramExport.h"
#include "finder/gui/ShotFinderPanel.h"
#include "platform/MessagePump.h"
#include "view/ViewDiagram.h"
#include "setup/gui/SetUpModel.h"
#include "setup/gui/StrokePanel.h"
#include "view/MirobeltView.h"

const char* const kApplicationTitle = "Simulateur de Billard Francais (Ostrevan)";
const char* const kIdlePrompt = "Prêt";

namespace
{
const char* const kUntitled = "Sans titre";
constexpr int kStatusMessageMs = 5000;
constexpr int kPaneRefreshMs = 100;

const QSize kFileButtonImage(16, 18);
const QSize kGameButtonImage(26, 18);

// The lines of the "Comment Jouer" sub-menu.
const char* const kHowToPlay[] = {
    "Pour deplacer une bille : Drag and Drop avec le bouton droit de la souris",
    "Pour indiquer la direction : Cliquer sur une bille et Drag and Drop avec le bouton gauche",
    "Pour regler l'effet et la hauteur : Bouton gauche sur la bille en bas a gauche de la fenetre",
    "     n : attaque au centre",
    "Pour indiquer la force du coup: bouton gauche sur la barre horizontale sous le billard",
    "Pour indiquer l'angle de masse ou pique,: bouton gauche sur le curseur rouge",
    "   F5 -> Horizontal    F8-> Vertical",
    "Pour visualiser les trajectoires : double click (bouton gauche)",
    "Pour jouer le coup: Return ou barre d'outil",
    "Pour interrompre un coup en cours, Escape",
    "Pour visualiser le coup en temps reel : maintenir la touche Shift",
    "Les \"bleus\" situes sur la bande en haut a gauche peuvent etre deplaces comme les billes",
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }
}  // namespace

QRect InitialFrameGeometry(QSize screen)
{
    const int height = (4 * screen.height()) / 5;
    const int width = (4 * screen.width()) / 5;
    const int top = ((5 * height) / 4 - height) / 2;
    const int left = ((5 * width) / 4 - width) / 2;
    return QRect(left, top, width, height);
}

QString PositionPaneText(const QString& label, int value)
{
    if (value == 0)
        return QString();
    return label + QStringLiteral("%1").arg(value, 3);
}

CMainFrame::CMainFrame(CMirobeltDoc* doc, CRecentFileList* recentFiles, QWidget* parent)
    : QMainWindow(parent), m_pDoc(doc), m_pRecentFiles(recentFiles)
{
    PreCreateWindow();

    // The model first: the view and the panels observe it.
    m_pModel = new SetUpModel(m_pDoc, this);
    m_pView = new CMirobeltView(m_pDoc, this, m_pModel);
    connect(m_pView, &CMirobeltView::positionFileUsed, this, [this](const QString& path) {
        if (m_pRecentFiles == nullptr)
            return;
        m_pRecentFiles->Add(path);
        RebuildRecentFileMenu();
    });
    connect(m_pView, &CMirobeltView::statusMessage, this, &CMainFrame::ShowStatusMessage);
    setCentralWidget(m_pView);

    BuildCommands();
    BuildUndoCommands();
    BuildMenus();
    m_bCreated = OnCreate() == 0;
    RebuildRecentFileMenu();

    m_pView->setFocus();

    m_idleTimer.setInterval(kPaneRefreshMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &CMainFrame::OnUpdatePositionPanes);
    m_idleTimer.start();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::PreCreateWindow()
{
    QRect area(0, 0, 1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    SetOuterGeometry(InitialFrameGeometry(area.size()).translated(area.topLeft()));
    SetDocumentTitle(QString());
}

void CMainFrame::SetOuterGeometry(const QRect& rect)
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const int extraWidth = std::max(0, outer.width() - inner.width());
    const int extraHeight = std::max(0, outer.height() - inner.height());
    move(rect.topLeft());
    resize(std::max(1, rect.width() - extraWidth), std::max(1, rect.height() - extraHeight));
}

void CMainFrame::SetDocumentTitle(const QString& title)
{
    const QString shown = title.isEmpty() ? Utf8(kUntitled) : title;
    setWindowTitle(shown + QStringLiteral(" - ") + Utf8(kApplicationTitle));
}

QAction* CMainFrame::CommandAction(int commandId) const
{
    const auto found = m_commands.find(commandId);
    return found == m_commands.end() ? nullptr : found->second;
}

QLabel* CMainFrame::Pane(int index) const
{
    return index >= 0 && index < 7 ? m_panes[index] : nullptr;
}

QAction* CMainFrame::AddCommand(int commandId, const QString& text, const QString& prompt, const QString& tip)
{
    auto* action = new QAction(text, this);
    action->setData(commandId);
    action->setStatusTip(prompt);
    action->setToolTip(tip.isEmpty() ? prompt : tip);
    addAction(action);  // its accelerators work even when no menu shows it
    m_commands[commandId] = action;
    return action;
}

void CMainFrame::BuildCommands()
{
    CMirobeltView* view = m_pView;
    struct ViewCommand
    {
        int id;
        const char* prompt;
        const char* tip;
        void (CMirobeltView::*handler)();
    };
    // The view's commands, with the status prompt and the tooltip of each.
    const ViewCommand viewCommands[] = {
        {ID_SHOT_INTERRUPT, "Interrompt le coup en cours (ESC)", nullptr, &CMirobeltView::OnShotInterrupt},
        {ID_SHOT_PLAY, "Joue le coup (RET)", nullptr, &CMirobeltView::OnShotPlay},
        {ID_SHOW_TRAJECTORY, "Montre la trajectoire (Dbl Click)", nullptr, &CMirobeltView::OnShowTrajectory},
        {ID_SHOT_FINAL_POSITION, "", nullptr, &CMirobeltView::OnShotFinalPosition},
        {ID_POSITION_PREV, "Position Precedente", nullptr, &CMirobeltView::OnPositionPrev},
        {ID_POSITION_NEXT, "Position suivante", nullptr, &CMirobeltView::OnPositionNext},
        {ID_POSITION_LIST_SAVE, "Sauve la liste des positions", nullptr, &CMirobeltView::OnPositionListSave},
        {ID_POSITION_LIST_LOAD, "Charge la liste des positions", nullptr, &CMirobeltView::OnPositionListLoad},
        {ID_PLAY_AND_NEXT, "Joue le coup et passe a la position suivante", nullptr, &CMirobeltView::OnPlayAndNext},
        {ID_MODE_ARTISTIC, "Mode Artistique", "Mode Artistique", &CMirobeltView::OnModeArtistic},
        {ID_MODE_NORMAL, "Mode Normal", "Mode Normal", &CMirobeltView::OnModeNormal},
        {ID_POSITION_DELETE, "Efface la position courante de la liste de coups", nullptr,
         &CMirobeltView::OnPositionDelete},
        {ID_COLOUR, "Mode couleur (Repaint)", "Mode couleur", &CMirobeltView::OnColour},
        {ID_MONOCHROME, "Mode monochrome (Repaint)", "Mode monochrome", &CMirobeltView::OnMonochrome},
        {ID_SHOW_MARKERS, "Affichage de reperes deplacables (Drag and Drop bouton droit.)",
         "Affichage de reperes deplacables.", &CMirobeltView::OnShowMarkers},
        {ID_FRAME_STYLE, "Trace un cadre style 71/2", "Trace un cadre style 71/2", &CMirobeltView::OnFrameStyle},
        {ID_TABLE_FORMAT, "Billard <-> Demi Billard", "Billard <-> Demi Billard.", &CMirobeltView::OnTableFormat},
        {ID_FILE_OPEN, "Ouvre un document existant", nullptr, &CMirobeltView::OnFileOpen},
        {ID_FILE_SAVE, "Enregistre le document actif", nullptr, &CMirobeltView::OnFileSave},
        {ID_FILE_SAVE_AS, "Enregistre le document actif sous un nouveau nom", nullptr, &CMirobeltView::OnFileSaveAs},
    };
    for (const ViewCommand& command : viewCommands)
    {
        const QString prompt = Utf8(command.prompt);
        QAction* action = AddCommand(command.id, prompt, prompt, command.tip ? Utf8(command.tip) : prompt);
        const auto handler = command.handler;
        connect(action, &QAction::triggered, this, [view, handler] { (view->*handler)(); });
    }
    CommandAction(ID_FILE_OPEN)->setText(QStringLiteral("&Ouvrir une position...\tCtrl+O"));
    CommandAction(ID_FILE_OPEN)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    CommandAction(ID_FILE_SAVE)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    CommandAction(ID_FILE_SAVE_AS)->setText(QStringLiteral("En&registrer une position sous..."));

    // The frame's own commands.
    QAction* width500 = AddCommand(ID_WIDTH_500, Utf8("Fixe la taille de l'ecran a 500 pixels en largeur."),
                                   Utf8("Fixe la taille de l'ecran a 500 pixels en largeur."), QString());
    connect(width500, &QAction::triggered, this, &CMainFrame::OnWidth500);

    QAction* newDoc = AddCommand(ID_FILE_NEW, Utf8("Crée un nouveau document"), Utf8("Crée un nouveau document"),
                                 QString());
    newDoc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newDoc, &QAction::triggered, this, &CMainFrame::OnFileNew);

    QAction* print = AddCommand(ID_FILE_PRINT, tr("&Imprimer...\tCtrl+P"), Utf8("Imprime le document actif"),
                                QString());
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &CMainFrame::OnFilePrint);

    QAction* exportImage = AddCommand(ID_FILE_EXPORT_IMAGE, QStringLiteral("&Exporter l'image...\tCtrl+E"),
                                      Utf8("Enregistre la table et les trajectoires en image SVG, PDF ou PNG"),
                                      Utf8("Exporter l'image"));
    exportImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportImage, &QAction::triggered, this, &CMainFrame::OnFileExportImage);

    QAction* about = AddCommand(ID_APP_ABOUT, QStringLiteral("&A propos de Billard..."),
                                Utf8("Affiche des informations sur le programme, le numéro de version et le copyright"),
                                QStringLiteral("A propos de"));
    connect(about, &QAction::triggered, this, &CMainFrame::OnAppAbout);

    QAction* exit = AddCommand(ID_APP_EXIT, tr("&Quitter\tCtrl+Q"),
                               Utf8("Ferme l'application ; propose d'enregistrer les documents"), QStringLiteral("Quitter"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction* findShot = AddCommand(ID_FIND_SHOT, QStringLiteral("&Chercher un coup...\tF9"),
                                   Utf8("Cherche les coups qui marquent le point depuis la position (F9)"),
                                   QStringLiteral("Chercher un coup (F9)"));
    findShot->setShortcut(QKeySequence(Qt::Key_F9));
    connect(findShot, &QAction::triggered, this, &CMainFrame::OnFindShot);

    QAction* help = AddCommand(ID_HELP, tr("&Aide de Mirobelt\tF1"), tr("Ouvre le guide de l'utilisateur (F1)"),
                               tr("Aide de Mirobelt (F1)"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &CMainFrame::OnHelp);

    QAction* gameBar = AddCommand(ID_VIEW_TOOLBAR, QStringLiteral("&Barre d'outils"),
                                  Utf8("Affiche ou masque la barre d'outils"), QString());
    gameBar->setCheckable(true);
    gameBar->setChecked(true);
    connect(gameBar, &QAction::triggered, this, &CMainFrame::OnViewToolbar);

    QAction* statusBar = AddCommand(ID_VIEW_STATUS_BAR, Utf8("Barre d'é&tat"), Utf8("Affiche ou masque la barre d'état"),
                                    QString());
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    connect(statusBar, &QAction::triggered, this, &CMainFrame::OnViewStatusBar);

    // Commands that nothing handles: they are enabled and do nothing. Their
    // accelerators keep the keys away from the view (F6 in particular).
    struct EmptyCommand
    {
        int id;
        const char* prompt;
        QList<QKeySequence> keys;
    };
    const EmptyCommand emptyCommands[] = {
        {ID_HOW_TO_PLAY, "Comment jouer en quelques mots. ", {}},
        {ID_SPOT_GRID, "Quadrillage mouche à mouche.", {}},
        {ID_EDIT_CUT, "Coupe la sélection et la place dans le Presse-papiers",
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {ID_EDIT_COPY, "Copie la sélection et la place dans le Presse-papiers",
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE, "Insère le contenu du Presse-papiers",
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_NEXT_PANE, "Passe au volet de fenêtre suivant", {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, "Revient au volet de fenêtre précédent", {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const EmptyCommand& command : emptyCommands)
    {
        const QString prompt = Utf8(command.prompt);
        QAction* action = AddCommand(command.id, prompt, prompt, QString());
        action->setShortcuts(command.keys);
        connect(action, &QAction::triggered, this, &CMainFrame::OnEmptyCommand);
    }
}

void CMainFrame::BuildUndoCommands()
{
    QUndoStack* stack = m_pModel->UndoStack();
    QAction* undo = AddCommand(ID_EDIT_UNDO, tr("Annuler"), tr("Annule la dernière action"), QString());
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    QAction* redo = AddCommand(ID_EDIT_REDO, tr("Rétablir"), tr("Rétablit l'action annulée"), QString());
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, m_pModel, &SetUpModel::Undo);
    connect(redo, &QAction::triggered, m_pModel, &SetUpModel::Redo);
    // The texts name the step. The actions stay enabled so that their keys
    // never reach the view (any key stops a shot): the model refuses an undo
    // while a shot is animated or when there is nothing to undo.
    const auto refresh = [stack, undo, redo] {
        undo->setText(stack->canUndo() ? tr("Annuler %1").arg(stack->undoText()) : tr("Annuler"));
        redo->setText(stack->canRedo() ? tr("Rétablir %1").arg(stack->redoText()) : tr("Rétablir"));
    };
    connect(stack, &QUndoStack::indexChanged, this, refresh);
    refresh();

    m_pStrokePanel = new StrokePanel(m_pModel, this);
}

void CMainFrame::BuildMenus()
{
    m_pFileMenu = menuBar()->addMenu(QStringLiteral("&Fichier"));
    m_pFileMenu->addAction(CommandAction(ID_FILE_OPEN));
    m_pFileMenu->addAction(CommandAction(ID_FILE_SAVE_AS));
    m_pFileMenu->addAction(CommandAction(ID_FILE_EXPORT_IMAGE));
    m_pFileMenu->addAction(CommandAction(ID_FILE_PRINT));
    m_pFileSeparator = m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(CommandAction(ID_APP_EXIT));

    QMenu* editMenu = menuBar()->addMenu(tr("&Edition"));
    editMenu->addAction(CommandAction(ID_EDIT_UNDO));
    editMenu->addAction(CommandAction(ID_EDIT_REDO));

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&Affichage"));
    viewMenu->addAction(CommandAction(ID_VIEW_TOOLBAR));
    viewMenu->addAction(CommandAction(ID_VIEW_STATUS_BAR));
    viewMenu->addAction(m_pStrokePanel->toggleViewAction());
    AddLanguageMenu(viewMenu);

    QMenu* toolsMenu = menuBar()->addMenu(QStringLiteral("&Outils"));
    toolsMenu->addAction(CommandAction(ID_FIND_SHOT));

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Comment jouer"));
    helpMenu->addAction(CommandAction(ID_HELP));
    helpMenu->addAction(CommandAction(ID_APP_ABOUT));
    QMenu* howTo = helpMenu->addMenu(QStringLiteral("Comment Jouer"));
    howTo->menuAction()->setStatusTip(CommandAction(ID_HOW_TO_PLAY)->statusTip());
    for (const char* line : kHowToPlay)
    {
        QAction* action = howTo->addAction(Utf8(line));
        action->setEnabled(false);  // text only, shown greyed
    }
}

int CMainFrame::OnCreate()
{
    // File bar: open and save as.
    m_wndToolBar = new QToolBar(QStringLiteral("Fichier"), this);
    m_wndToolBar->setObjectName(QStringLiteral("FileBar"));
    m_wndToolBar->setIconSize(kFileButtonImage);
    for (const int id : {ID_FILE_OPEN, ID_FILE_SAVE_AS})
    {
        QAction* action = CommandAction(id);
        action->setIcon(MakeCommandIcon(id, kFileButtonImage));
        m_wndToolBar->addAction(action);
    }

    // Game bar; 0 marks a separator.
    m_wndGameBar = new QToolBar(QStringLiteral("Jeu"), this);
    m_wndGameBar->setObjectName(QStringLiteral("GameBar"));
    m_wndGameBar->setIconSize(kGameButtonImage);
    const int gameButtons[] = {ID_SHOT_INTERRUPT,     ID_SHOT_PLAY,          ID_SHOW_TRAJECTORY, 0,
                               ID_POSITION_PREV,      ID_POSITION_DELETE,    ID_POSITION_NEXT,   ID_PLAY_AND_NEXT,
                               ID_POSITION_LIST_SAVE, ID_POSITION_LIST_LOAD, 0,                  ID_MODE_ARTISTIC,
                               ID_MODE_NORMAL,        0,                     ID_COLOUR,          ID_MONOCHROME,
                               ID_WIDTH_500,          ID_SHOW_MARKERS,       ID_FRAME_STYLE,     ID_TABLE_FORMAT,
                               0,                     ID_FIND_SHOT};
    // The stroke panel's button follows the game buttons.
    for (const int id : gameButtons)
    {
        if (id == 0)
        {
            m_wndGameBar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(id);
        action->setIcon(MakeCommandIcon(id, kGameButtonImage));
        m_wndGameBar->addAction(action);
    }

    for (QToolBar* bar : {m_wndToolBar, m_wndGameBar})
    {
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    // Both on the top row, the game bar to the right of the file bar.
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    addToolBar(Qt::TopToolBarArea, m_wndGameBar);
    connect(m_wndGameBar, &QToolBar::visibilityChanged, this,
            [this](bool) { CommandAction(ID_VIEW_TOOLBAR)->setChecked(!m_wndGameBar->isHidden()); });

    {
        QAction* strokeButton = m_pStrokePanel->toggleViewAction();
        strokeButton->setData(ID_STROKE_PANEL);
        strokeButton->setToolTip(tr("Réglages du coup"));
        strokeButton->setStatusTip(tr("Affiche ou masque les réglages du coup en chiffres"));
        strokeButton->setIcon(MakeCommandIcon(ID_STROKE_PANEL, kGameButtonImage));
        m_wndGameBar->addAction(strokeButton);
    }
    addDockWidget(Qt::RightDockWidgetArea, m_pStrokePanel);
    m_pStrokePanel->hide();

    // The shot finder's panel, docked on the right once asked for.
    m_pFinderPanel = new ShotFinderPanel(m_pView, this);
    addDockWidget(Qt::RightDockWidgetArea, m_pFinderPanel);
    m_pFinderPanel->hide();

    // Status bar: message pane (with its idle prompt), three blank panes,
    // then the lock indicators.
    m_wndStatusBar = new QStatusBar(this);
    setStatusBar(m_wndStatusBar);
    m_panes[0] = new QLabel(Utf8(kIdlePrompt), m_wndStatusBar);
    m_wndStatusBar->addWidget(m_panes[0], 1);
    const int blankWidths[] = {10, 100, 100};
    for (int i = 1; i <= 3; ++i)
    {
        m_panes[i] = new QLabel(m_wndStatusBar);
        m_panes[i]->setFixedWidth(blankWidths[i - 1]);
    }
    m_panes[4] = new QLabel(QStringLiteral("MAJ"), m_wndStatusBar);
    m_panes[5] = new QLabel(QStringLiteral("NUM"), m_wndStatusBar);
    m_panes[6] = new QLabel(QStringLiteral("DEF"), m_wndStatusBar);
    for (int i = 1; i < 7; ++i)
    {
        m_panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panes[i]->setObjectName(QStringLiteral("pane%1").arg(i));
        if (i >= 4)
        {
            // The lock states cannot be read portably: the indicators stay greyed.
            m_panes[i]->setEnabled(false);
            m_panes[i]->setAlignment(Qt::AlignCenter);
            m_panes[i]->setContentsMargins(3, 0, 3, 0);
        }
        m_wndStatusBar->addPermanentWidget(m_panes[i]);
    }
    return 0;
}

QMenu* CMainFrame::createPopupMenu()
{
    return nullptr;  // the file bar has no toggle; the game bar's is in "Affichage"
}

void CMainFrame::RebuildRecentFileMenu()
{
    for (QAction* action : m_recentActions)
    {
        m_pFileMenu->removeAction(action);
        action->deleteLater();  // may be the entry being chosen right now
    }
    m_recentActions.clear();
    if (m_pRecentFiles == nullptr || m_pRecentFiles->Files().isEmpty())
        return;

    QAction* before = CommandAction(ID_APP_EXIT);
    const QStringList& files = m_pRecentFiles->Files();
    for (int i = 0; i < files.size(); ++i)
    {
        QString shown = QDir::toNativeSeparators(files[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this);
        action->setStatusTip(Utf8("Ouvre ce document"));
        connect(action, &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
        m_pFileMenu->insertAction(before, action);
        m_recentActions.append(action);
    }
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_pFileMenu->insertAction(before, separator);
    m_recentActions.append(separator);
}

void CMainFrame::OnOpenRecentFile(int index)
{
    if (m_pRecentFiles == nullptr || index < 0 || index >= m_pRecentFiles->Files().size())
        return;
    const QString path = m_pRecentFiles->Files().at(index);
    m_pView->OpenPositionFile(path);
    if (!QFileInfo::exists(path))
    {
        // A file that has gone leaves the list.
        m_pRecentFiles->Remove(m_pRecentFiles->Files().indexOf(path));
        RebuildRecentFileMenu();
    }
}

void CMainFrame::OnFindShot()
{
    m_pFinderPanel->show();
    m_pFinderPanel->raise();
}

void CMainFrame::OnHelp()
{
    if (m_pHelpWindow == nullptr)
        m_pHelpWindow = new HelpWindow(this);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

void CMainFrame::OnViewToolbar()
{
    m_wndGameBar->setVisible(m_wndGameBar->isHidden());
    CommandAction(ID_VIEW_TOOLBAR)->setChecked(!m_wndGameBar->isHidden());
}

void CMainFrame::OnViewStatusBar()
{
    m_wndStatusBar->setVisible(m_wndStatusBar->isHidden());
    CommandAction(ID_VIEW_STATUS_BAR)->setChecked(!m_wndStatusBar->isHidden());
}

void CMainFrame::OnWidth500()
{
    SetOuterGeometry(QRect(100, 100, 500, 350));
    repaint();
}

void CMainFrame::OnUpdatePositionPanes()
{
    // The panes follow the game bar's refresh: nothing while it is hidden.
    if (m_wndGameBar == nullptr || m_wndGameBar->isHidden())
        return;
    // The list as the model holds it, 0 when no entry is shown.
    const int shown = m_pModel->List().Current() + 1;
    const int count = m_pModel->List().Count();
    if (shown != m_nShownPosition)
    {
        m_panes[2]->setText(PositionPaneText(QStringLiteral("PosCourante:"), shown));
        m_nShownPosition = shown;
    }
    if (count != m_nShownCount)
    {
        m_panes[3]->setText(PositionPaneText(QStringLiteral("NbPositions:"), count));
        m_nShownCount = count;
    }
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnFileNew()
{
    // The document holds nothing of the table: a new one only loses its name.
    SetDocumentTitle(QString());
}

void CMainFrame::OnFilePrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The diagram drawn anew at the printer's resolution, without the cue widgets.
    DrawDiagramOnPage(printer, PrintedDiagramOfView(*m_pView, windowTitle()));
}

void CMainFrame::OnFileExportImage()
{
    const QString note = RunDiagramExportCommand(*m_pView, this);
    if (!note.isEmpty())
        ShowStatusMessage(note);
}

void CMainFrame::ShowStatusMessage(const QString& text)
{
    m_wndStatusBar->showMessage(text, kStatusMessageMs);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A shot being played runs a nested loop: it sees the request and gives up,
    // and the application's loop ends.
    RequestQuit();
    QCoreApplication::quit();
    QMainWindow::closeEvent(event);
}
