// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
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

const char* const kApplicationTitle = QT_TRANSLATE_NOOP("CMainFrame", "Simulateur de Billard Francais (Ostrevan)");
const char* const kIdlePrompt = QT_TRANSLATE_NOOP("CMainFrame", "Prêt");

namespace
{
const char* const kUntitled = QT_TRANSLATE_NOOP("CMainFrame", "Sans titre");
const char* const kLockIndicators[] = {QT_TRANSLATE_NOOP("CMainFrame", "MAJ"), QT_TRANSLATE_NOOP("CMainFrame", "NUM"),
                                       QT_TRANSLATE_NOOP("CMainFrame", "DEF")};
// Settings key of the docks' places.
const char* const kDockLayoutKey = "Interface/DockLayout";
constexpr int kStatusMessageMs = 5000;
constexpr int kPaneRefreshMs = 100;

const QSize kFileButtonImage(16, 18);
const QSize kGameButtonImage(26, 18);

QString Translated(const char* text) { return QCoreApplication::translate("CMainFrame", text); }
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
    BuildMenus();
    m_bCreated = OnCreate() == 0;
    RetranslateWindow();
    RestoreDockLayout();
    RebuildRecentFileMenu();

    m_pView->setFocus();

    m_idleTimer.setInterval(kPaneRefreshMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &CMainFrame::OnUpdatePositionPanes);
    m_idleTimer.start();
}

CMainFrame::~CMainFrame()
{
    // Qt destroys the children (the model and its undo stack, the bars, the
    // view) after this class's part of the object is gone: what they still
    // emit on their way out must not reach the window's handlers.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    // The model's undo stack is a member of the model, not a child.
    QObject::disconnect(m_pModel->UndoStack(), nullptr, this, nullptr);
}

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
    m_documentTitle = title;
    const QString shown = title.isEmpty() ? Translated(kUntitled) : title;
    setWindowTitle(shown + QStringLiteral(" - ") + Translated(kApplicationTitle));
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

void CMainFrame::BuildCommands()
{
    m_pStrokePanel = new StrokePanel(m_pModel, this);
    for (const CommandEntry& entry : CommandTable())
    {
        QAction* action = nullptr;
        switch (entry.kind)
        {
        case CommandKind::Action:
            action = new QAction(this);
            action->setShortcuts(entry.keys);
            action->setCheckable(entry.checkable);
            action->setChecked(entry.checkable);
            addAction(action);  // its accelerators work even when no menu shows it
            if (entry.handler)
                connect(action, &QAction::triggered, this, [this, &entry] {
                    if (!m_commandTrace || m_commandTrace(entry.id))
                        entry.handler(*this);
                });
            break;
        case CommandKind::StrokePanel:
            action = m_pStrokePanel->toggleViewAction();
            break;
        case CommandKind::LanguageMenu:
        case CommandKind::HowToPlayMenu:
            action = (new QMenu(this))->menuAction();  // placed in its menu by BuildMenus
            break;
        }
        action->setData(entry.id);
        m_commands[entry.id] = action;
    }

    // The texts of the undo and redo commands name the step. The actions stay
    // enabled so that their keys never reach the view (any key stops a shot):
    // the model refuses an undo while a shot is animated or when there is
    // nothing to undo.
    connect(m_pModel->UndoStack(), &QUndoStack::indexChanged, this, &CMainFrame::RefreshUndoTexts);
}

void CMainFrame::RefreshUndoTexts()
{
    const QUndoStack* stack = m_pModel->UndoStack();
    const auto textOf = [](int id) {
        for (const CommandEntry& entry : CommandTable())
            if (entry.id == id)
                return CommandText(entry);
        return QString();
    };
    const QString undo = textOf(ID_EDIT_UNDO);
    const QString redo = textOf(ID_EDIT_REDO);
    CommandAction(ID_EDIT_UNDO)->setText(stack->canUndo() ? tr("Annuler %1").arg(stack->undoText()) : undo);
    CommandAction(ID_EDIT_REDO)->setText(stack->canRedo() ? tr("Rétablir %1").arg(stack->redoText()) : redo);
}

void CMainFrame::BuildMenus()
{
    for (const CommandMenu id : {CommandMenu::File, CommandMenu::Edit, CommandMenu::View, CommandMenu::Tools,
                                 CommandMenu::Help})
    {
        QMenu* menu = menuBar()->addMenu(QString());
        m_menus[id] = menu;
        for (const CommandEntry* entry : EntriesOfMenu(id))
        {
            if (entry->menuSeparatorBefore)
            {
                QAction* separator = menu->addSeparator();
                if (entry->id == ID_APP_EXIT)
                    m_pFileSeparator = separator;
            }
            QAction* action = CommandAction(entry->id);
            if (entry->kind == CommandKind::LanguageMenu)
                FillLanguageMenu(action->menu());
            else if (entry->kind == CommandKind::HowToPlayMenu)
                for (int i = 0; i < HowToPlayLineCount(); ++i)
                    action->menu()->addAction(QString())->setEnabled(false);  // text only, shown greyed
            menu->addAction(action);
        }
    }
    m_pFileMenu = m_menus[CommandMenu::File];
}

void CMainFrame::RetranslateCommands()
{
    for (const CommandEntry& entry : CommandTable())
    {
        QAction* action = CommandAction(entry.id);
        if (entry.kind != CommandKind::StrokePanel)  // the panel's title is its text
            action->setText(CommandText(entry));
        action->setStatusTip(CommandPrompt(entry));
        action->setToolTip(CommandTip(entry));
        if (entry.kind == CommandKind::HowToPlayMenu)
        {
            const QList<QAction*> lines = action->menu()->actions();
            for (int i = 0; i < lines.size(); ++i)
                lines[i]->setText(HowToPlayLine(i));
        }
    }
    for (const auto& [id, menu] : m_menus)
        menu->setTitle(QCoreApplication::translate(kCommandContext, MenuTitle(id)));
    if (m_wndToolBar != nullptr)
    {
        m_wndToolBar->setWindowTitle(QCoreApplication::translate(kCommandContext, BarTitle(CommandBar::File)));
        m_wndGameBar->setWindowTitle(QCoreApplication::translate(kCommandContext, BarTitle(CommandBar::Game)));
    }
    RefreshUndoTexts();
}

int CMainFrame::OnCreate()
{
    // The file bar (open and save as) and the game bar, from the table.
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("FileBar"));
    m_wndToolBar->setIconSize(kFileButtonImage);
    m_wndGameBar = new QToolBar(this);
    m_wndGameBar->setObjectName(QStringLiteral("GameBar"));
    m_wndGameBar->setIconSize(kGameButtonImage);
    for (const auto& [barId, bar] : {std::pair{CommandBar::File, m_wndToolBar}, std::pair{CommandBar::Game, m_wndGameBar}})
        for (const CommandEntry* entry : EntriesOfBar(barId))
        {
            if (entry->barSeparatorBefore)
                bar->addSeparator();
            QAction* action = CommandAction(entry->id);
            action->setIcon(MakeCommandIcon(entry->id, bar->iconSize()));
            bar->addAction(action);
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
    m_panes[0] = new QLabel(m_wndStatusBar);
    m_wndStatusBar->addWidget(m_panes[0], 1);
    const int blankWidths[] = {10, 100, 100};
    for (int i = 1; i <= 3; ++i)
    {
        m_panes[i] = new QLabel(m_wndStatusBar);
        m_panes[i]->setFixedWidth(blankWidths[i - 1]);
    }
    for (int i = 4; i < 7; ++i)
        m_panes[i] = new QLabel(m_wndStatusBar);
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
        action->setStatusTip(tr("Ouvre ce document"));
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
        m_panes[2]->setText(PositionPaneText(tr("PosCourante:"), shown));
        m_nShownPosition = shown;
    }
    if (count != m_nShownCount)
    {
        m_panes[3]->setText(PositionPaneText(tr("NbPositions:"), count));
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

void CMainFrame::RetranslateWindow()
{
    RetranslateCommands();
    SetDocumentTitle(m_documentTitle);
    m_panes[0]->setText(Translated(kIdlePrompt));
    for (int i = 4; i < 7; ++i)
        m_panes[i]->setText(Translated(kLockIndicators[i - 4]));
    m_nShownPosition = m_nShownCount = -1;  // the position panes are written again
    OnUpdatePositionPanes();
    // The panels' titles; their fields follow at the next start.
    m_pStrokePanel->setWindowTitle(QCoreApplication::translate("StrokePanel", "Réglages du coup"));
    m_pFinderPanel->setWindowTitle(QCoreApplication::translate("ShotFinderPanel", "Coups possibles"));
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_bCreated)
    {
        RetranslateWindow();
        RebuildRecentFileMenu();  // their prompts
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::RestoreDockLayout()
{
    QSettings* settings = m_pRecentFiles != nullptr ? m_pRecentFiles->Settings() : nullptr;
    if (settings == nullptr)
        return;
    restoreState(settings->value(QLatin1String(kDockLayoutKey)).toByteArray());
    // Only the docks are remembered: the bars start where they always do.
    for (QToolBar* bar : {m_wndToolBar, m_wndGameBar})
    {
        removeToolBar(bar);
        addToolBar(Qt::TopToolBarArea, bar);
        bar->show();
    }
}

void CMainFrame::SaveDockLayout()
{
    QSettings* settings = m_pRecentFiles != nullptr ? m_pRecentFiles->Settings() : nullptr;
    if (settings == nullptr)
        return;
    settings->setValue(QLatin1String(kDockLayoutKey), saveState());
    settings->sync();
}

bool CMainFrame::ListMayBeLeft()
{
    if (!m_pModel->ListChangedSinceSaved())
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), tr("Enregistrer la liste des positions ?"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(tr("Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    if (box.clickedButton() != save)
        return false;
    // The toolbar's list save; a save given up or failed keeps the window.
    m_pView->OnPositionListSave();
    return !m_pModel->ListChangedSinceSaved();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!ListMayBeLeft())
    {
        event->ignore();
        return;
    }
    SaveDockLayout();
    // A shot being played runs a nested loop: it sees the request and gives up,
    // and the application's loop ends.
    RequestQuit();
    QCoreApplication::quit();
    QMainWindow::closeEvent(event);
}
