// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, start geometry, the 500-pixel command, menus,
// toolbars, status panes, accelerators, recent files, the About box and the
// help window.

#include <vector>

#include <QEnterEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/CommandTable.h"
#include "app/HelpWindow.h"
#include "app/Icons.h"
#include "finder/gui/ShotFinderPanel.h"
#include "positions/DemoFile.h"
#include "setup/gui/StrokePanel.h"
#include "positions/gui/FileChooser.h"

// Exported by QtGui (the entry Qt's own key simulation uses): offers a key
// press to the shortcut map first; true when an accelerator took it.
bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                  const QString& text, bool autorep, ushort count);

namespace
{
const QString kTitle = " - Simulateur de Billard Francais (Ostrevan)";

QStringList MenuTexts(const QWidget* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

class AppFrame : public ::testing::Test, protected FrameHarness
{
protected:
    QAction* Command(int id) const { return frame->CommandAction(id); }
    // Whether the window became the active one, as accelerators need.
    bool Activate()
    {
        frame->activateWindow();
        PumpPendingMessages();
        return QApplication::activeWindow() == frame.get();
    }
    // Offers a key press to the accelerators first, as Qt does; true when one took it.
    bool Offer(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        return qt_sendShortcutOverrideEvent(frame->View(), 0, key, mods, QString(), false, 1);
    }
};
}  // namespace

TEST(AppStartup, InitInstanceBuildsTheWindowAndKeepsSettingsUnderKvo)
{
    ScopedWorkingFolder folder;
    ResetProgramState();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.Path());
    {
        CMirobeltApp app;
        ASSERT_TRUE(app.InitInstance({"mirobelt"}));
        PumpPendingMessages();
        CMainFrame* frame = app.MainFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->windowTitle(), "Sans titre" + kTitle);
        EXPECT_EQ(frame->centralWidget(), frame->View());
        EXPECT_EQ(frame->View()->GetDocument(), app.Document());
        EXPECT_EQ(QCoreApplication::organizationName() + "/" + QCoreApplication::applicationName(), "kvo/" + kTitle.mid(3));
        EXPECT_TRUE(QFile::exists(folder.File("Corrections.prm")));  // the document's tuning file
        // Qt's own dialogs speak French too.
        QStringList buttons;
        OnTheNextDialog([&](QDialog& dialog) {
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                buttons << button->text();
            dialog.close();
        });
        EXPECT_EQ(ChooseFileToOpen(frame, "bi1"), "");
        EXPECT_EQ(buttons, QStringList({"&Ouvrir", "Annuler"}));
        app.RecentFiles()->Add(folder.File("a.bi1"));
        frame->View()->KillDemoTimer();
    }
    QSettings stored(folder.Path() + "/kvo/" + kTitle.mid(3) + ".conf", QSettings::IniFormat);
    EXPECT_EQ(stored.value("Recent File List/File1").toString(), folder.File("a.bi1"));

    // A file named on the command line names the document; a missing one fails.
    ASSERT_TRUE(QFile(folder.File("partie.bil")).open(QIODevice::WriteOnly));
    {
        CMirobeltApp app;
        ASSERT_TRUE(app.InitInstance({"mirobelt", folder.File("partie.bil")}));
        EXPECT_EQ(app.MainFrame()->windowTitle(), "partie.bil" + kTitle);
        app.MainFrame()->View()->KillDemoTimer();
    }
    EXPECT_FALSE(CMirobeltApp().InitInstance({"mirobelt", folder.File("absent.bil")}));
    PumpPendingMessages();
    ClearQuitRequest();
}

// The program itself, started as a user starts it: asked to, it says when the
// table is first on the screen, then quits.
TEST(AppStartup, TheProgramShowsTheTable)
{
    ScopedWorkingFolder folder;
    QProcess program;
    program.setWorkingDirectory(folder.Path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MIROBELT_STARTUP_PROBE", "1");
    environment.insert("HOME", folder.Path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MIROBELT_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QString(program.readAllStandardOutput()).contains(QRegularExpression("^first-table [0-9]+\n$")));
}

TEST(AppLayout, StartGeometry)
{
    EXPECT_EQ(InitialFrameGeometry(QSize(1024, 768)), QRect(102, 76, 819, 614));
    // 4/5 of 1366 is 1092.8 and 5/4 of 1092 is 1365: both truncate.
    EXPECT_EQ(InitialFrameGeometry(QSize(1366, 768)), QRect(136, 76, 1092, 614));
}

TEST_F(AppFrame, Width500CommandFromTheGameBar)
{
    auto* button = qobject_cast<QToolButton*>(frame->GameBar()->widgetForAction(Command(ID_WIDTH_500)));
    ASSERT_NE(button, nullptr);
    button->click();
    PumpPendingMessages();
    EXPECT_EQ(frame->frameGeometry(), QRect(100, 100, 500, 350));
}

TEST_F(AppFrame, MenuTextsAndOrder)
{
    ASSERT_EQ(MenuTexts(frame->menuBar()), QStringList({"&Fichier", "&Edition", "&Affichage", "&Outils", "Comment jouer"}));
    QList<QAction*> menus = frame->menuBar()->actions();
    EXPECT_EQ(MenuTexts(menus[1]->menu()), QStringList({"Annuler", "Rétablir"}));
    menus.removeAt(1);
    EXPECT_EQ(MenuTexts(menus[0]->menu()), QStringList({"&Ouvrir une position...\tCtrl+O",
                                                        "En&registrer une position sous...",
                                                        "&Exporter l'image...\tCtrl+E", "&Imprimer...\tCtrl+P",
                                                        "-", "&Quitter\tCtrl+Q"}));
    EXPECT_EQ(MenuTexts(menus[1]->menu()), QStringList({"&Barre d'outils", "Barre d'é&tat", "Réglages du coup", "&Langue"}));
    EXPECT_EQ(MenuTexts(menus[2]->menu()), QStringList({"&Chercher un coup...\tF9"}));
    ASSERT_EQ(MenuTexts(menus[3]->menu()),
              QStringList({"&Aide de Mirobelt\tF1", "&A propos de Billard...", "Comment Jouer"}));

    const QMenu* howTo = menus[3]->menu()->actions()[2]->menu();
    ASSERT_NE(howTo, nullptr);
    const QList<QAction*> lines = howTo->actions();
    ASSERT_EQ(lines.size(), 12);
    for (const QAction* line : lines)
        EXPECT_FALSE(line->isEnabled()) << line->text().toStdString();
    EXPECT_EQ(lines[0]->text(), "Pour deplacer une bille : Drag and Drop avec le bouton droit de la souris");
    EXPECT_EQ(lines[6]->text(), "   F5 -> Horizontal    F8-> Vertical");
    EXPECT_EQ(lines[11]->text(),
              "Les \"bleus\" situes sur la bande en haut a gauche peuvent etre deplaces comme les billes");
}

TEST_F(AppFrame, ToolbarButtonsTooltipsPromptsAndIcons)
{
    // Id 0: a separator; no prompt: the tip is the prompt.
    struct Button { int id; const char* tip; const char* prompt = nullptr; };
    const std::vector<Button> game = {
        {ID_SHOT_INTERRUPT, "Interrompt le coup en cours (ESC)"}, {ID_SHOT_PLAY, "Joue le coup (RET)"},
        {ID_SHOW_TRAJECTORY, "Montre la trajectoire (Dbl Click)"}, {0, nullptr},
        {ID_POSITION_PREV, "Position Precedente"}, {ID_POSITION_DELETE, "Efface la position courante de la liste de coups"},
        {ID_POSITION_NEXT, "Position suivante"}, {ID_PLAY_AND_NEXT, "Joue le coup et passe a la position suivante"},
        {ID_POSITION_LIST_SAVE, "Sauve la liste des positions"}, {ID_POSITION_LIST_LOAD, "Charge la liste des positions"},
        {0, nullptr}, {ID_MODE_ARTISTIC, "Mode Artistique"}, {ID_MODE_NORMAL, "Mode Normal"}, {0, nullptr},
        {ID_COLOUR, "Mode couleur", "Mode couleur (Repaint)"}, {ID_MONOCHROME, "Mode monochrome", "Mode monochrome (Repaint)"},
        {ID_WIDTH_500, "Fixe la taille de l'ecran a 500 pixels en largeur."},
        {ID_SHOW_MARKERS, "Affichage de reperes deplacables.", "Affichage de reperes deplacables (Drag and Drop bouton droit.)"},
        {ID_FRAME_STYLE, "Trace un cadre style 71/2"}, {ID_TABLE_FORMAT, "Billard <-> Demi Billard.", "Billard <-> Demi Billard"},
        {0, nullptr}, {ID_FIND_SHOT, "Chercher un coup (F9)", "Cherche les coups qui marquent le point depuis la position (F9)"},
        {ID_STROKE_PANEL, "Réglages du coup", "Affiche ou masque les réglages du coup en chiffres"}};
    const std::vector<Button> file = {{ID_FILE_OPEN, "Ouvre un document existant"},
                                      {ID_FILE_SAVE_AS, "Enregistre le document actif sous un nouveau nom"}};
    const std::tuple<QToolBar*, std::vector<Button>, QSize> bars[] = {{frame->GameBar(), game, QSize(26, 18)},
                                                                      {frame->FileBar(), file, QSize(16, 18)}};
    for (const auto& [bar, expected, image] : bars)
    {
        const QList<QAction*> actions = bar->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
        EXPECT_EQ(bar->iconSize(), image);
        for (std::size_t i = 0; i < expected.size(); ++i)
        {
            SCOPED_TRACE(i);
            const Button& want = expected[i];
            EXPECT_EQ(actions[i]->isSeparator(), want.id == 0);
            if (want.id == 0)
                continue;
            EXPECT_EQ(actions[i]->data().toInt(), want.id);
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(actions[i]));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->toolTip(), want.tip);
            // Passing over the button puts its prompt in the status bar.
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(button, &enter);
            EXPECT_EQ(frame->StatusBar()->currentMessage(), want.prompt ? want.prompt : want.tip);
        }
    }
    // Same top row, the game bar to the right of the file bar.
    EXPECT_EQ(frame->toolBarArea(frame->FileBar()), Qt::TopToolBarArea);
    EXPECT_FALSE(frame->toolBarBreak(frame->GameBar()));
    EXPECT_EQ(frame->GameBar()->y(), frame->FileBar()->y());
    EXPECT_GE(frame->GameBar()->x(), frame->FileBar()->x() + frame->FileBar()->width());
}

// The toolbar pictures, each drawn at 1x and at 2x (never blown up from 1x),
// and the application picture at 16, 32 and 64 pixels.
TEST_F(AppFrame, IconPicturesAsCheckedByEye)
{
    QImage sheet(1100, 180, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    int top = 0;
    for (const QToolBar* bar : {frame->GameBar(), frame->FileBar()})
    {
        int left = 0;
        for (const QAction* action : bar->actions())
        {
            if (action->isSeparator())
                continue;
            for (const double ratio : {1.0, 2.0})
            {
                QImage picture = action->icon().pixmap(bar->iconSize(), ratio).toImage();
                picture.setDevicePixelRatio(1);
                painter.drawImage(left, top + (ratio == 1 ? 0 : 20), picture);
            }
            left += 54;
        }
        top += 60;
    }
    for (const int side : {16, 32, 64})
        painter.drawPixmap(side * 2, 115, MakeApplicationIcon().pixmap(side));
    painter.end();
    ExpectGolden(sheet, "icons");
}

TEST_F(AppFrame, StatusPanesFollowTheShownPositionAndBarsToggle)
{
    EXPECT_EQ(frame->Pane(0)->text(), "Prêt");
    EXPECT_TRUE(frame->Pane(0)->isVisible());
    const int widths[] = {10, 100, 100};
    const char* locks[] = {"MAJ", "NUM", "DEF"};
    for (int i = 1; i < 4; ++i)
    {
        EXPECT_EQ(frame->Pane(i)->width(), widths[i - 1]);
        EXPECT_EQ(frame->Pane(i + 3)->text(), locks[i - 1]);
        EXPECT_FALSE(frame->Pane(i + 3)->isEnabled());
    }
    // The panes show the model's list, whoever changed it.
    auto show = [this](int shown, int count) {
        TableState state = frame->Model()->State();
        const std::vector<PositionEntry> entries(kPositionListSlots);
        state.list.Assign(entries.data(), count, shown - 1);
        frame->Model()->Change(state, QStringLiteral("liste"));
        frame->OnUpdatePositionPanes();
        return QStringList{frame->Pane(1)->text(), frame->Pane(2)->text(), frame->Pane(3)->text()};
    };
    EXPECT_EQ(show(5, 7), QStringList({"", "PosCourante:  5", "NbPositions:  7"}));
    EXPECT_EQ(show(0, 7), QStringList({"", "", "NbPositions:  7"}));

    // Each bar toggles with its command; with the game bar hidden the panes are not refreshed.
    const std::pair<int, QWidget*> toggles[] = {{ID_VIEW_STATUS_BAR, frame->StatusBar()},
                                                {ID_VIEW_TOOLBAR, frame->GameBar()}};
    for (const auto& [id, bar] : toggles)
        for (const bool shown : {false, true})
        {
            Command(id)->trigger();
            EXPECT_EQ(std::tuple(bar->isVisible(), Command(id)->isChecked(), frame->FileBar()->isVisible()),
                      std::tuple(shown, shown, true)) << id;
            if (!shown && id == ID_VIEW_TOOLBAR)
            {
                EXPECT_EQ(show(9, 12), QStringList({"", "", "NbPositions:  7"}));
            }
        }
    EXPECT_EQ(show(9, 12), QStringList({"", "PosCourante:  9", "NbPositions: 12"}));

    // A note from the view covers the idle prompt for a while.
    emit frame->View()->statusMessage("Impossible d'ouvrir x.bi1");
    EXPECT_EQ(frame->StatusBar()->currentMessage(), "Impossible d'ouvrir x.bi1");
    EXPECT_FALSE(frame->Pane(0)->isVisible());
    frame->StatusBar()->clearMessage();
    EXPECT_TRUE(frame->Pane(0)->isVisible());
}

TEST_F(AppFrame, AboutBoxIsModalWithItsTitleAndOk)
{
    QString seen;
    OnTheNextDialog([&](QDialog& dialog) {
        seen = dialog.windowTitle() + QStringLiteral(" %1 high").arg(dialog.height());
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            seen += " | " + button->text();
        dialog.close();
    });
    Command(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(seen, "A propos de Mirobelt 242 high | OK");
}

TEST_F(AppFrame, AcceleratorsTakeTheirKeysBeforeTheView)
{
    if (!Activate())
        GTEST_SKIP() << "the platform does not activate windows";
    ASSERT_EQ(frame->focusWidget(), frame->View());

    int nextPane = 0, undo = 0;
    QObject::connect(Command(ID_NEXT_PANE), &QAction::triggered, [&] { ++nextPane; });
    QObject::connect(Command(ID_EDIT_UNDO), &QAction::triggered, [&] { ++undo; });
    // The view's own keys (Return, F5, Escape) are not accelerators.
    const std::tuple<int, Qt::KeyboardModifiers, bool> keys[] = {
        {Qt::Key_F6, Qt::NoModifier, true},        {Qt::Key_Z, Qt::ControlModifier, true},
        {Qt::Key_Backspace, Qt::AltModifier, true}, {Qt::Key_F6, Qt::ShiftModifier, true},
        {Qt::Key_Insert, Qt::ShiftModifier, true},  {Qt::Key_Return, Qt::NoModifier, false},
        {Qt::Key_F5, Qt::NoModifier, false},        {Qt::Key_Escape, Qt::NoModifier, false}};
    for (const auto& [key, mods, taken] : keys)
        EXPECT_EQ(Offer(key, mods), taken) << key << " " << mods.toInt();
    EXPECT_EQ(std::pair(nextPane, undo), std::pair(1, 2));

    // Ctrl+N: a new document only drops the document's name.
    frame->SetDocumentTitle("partie.bil");
    EXPECT_EQ(frame->windowTitle(), "partie.bil" + kTitle);
    EXPECT_TRUE(Offer(Qt::Key_N, Qt::ControlModifier));
    EXPECT_EQ(frame->windowTitle(), "Sans titre" + kTitle);
}

TEST_F(AppFrame, F1OpensTheGuideAndCtrlQQuits)
{
    if (!Activate())
        GTEST_SKIP() << "the platform does not activate windows";

    // F1, twice: one window, the French guide from the program's resources.
    EXPECT_TRUE(Offer(Qt::Key_F1));
    EXPECT_TRUE(Offer(Qt::Key_F1));
    const QList<HelpWindow*> windows = frame->findChildren<HelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(windows[0]->windowTitle(), "Aide de Mirobelt");
    const QTextBrowser* browser = windows[0]->Browser();
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/fr/index.html"));
    EXPECT_EQ(HelpPageUrl("xx"), browser->source());  // a language without a guide gets the French one
    const QString text = browser->document()->toPlainText();
    for (const char* heading : {"Placer les billes", "Chercher un coup et la carte des visées", "Imprimer",
                                "Les outils en ligne de commande", "Les fichiers du programme"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;

    // Every picture is in the resources and every link of the contents has its anchor.
    QStringList images, anchors, links;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                images << browser->source().resolved(QUrl(format.toImageFormat().name())).path();
            anchors << format.anchorNames();
            if (format.anchorHref().startsWith('#'))
                links << format.anchorHref().mid(1);
        }
    EXPECT_GE(images.size(), 4);
    for (const QString& image : images)
        EXPECT_FALSE(QImage(":" + image).isNull()) << image.toStdString();
    EXPECT_GE(links.size(), 14);
    for (const QString& link : links)
        EXPECT_TRUE(anchors.contains(link)) << link.toStdString();

    EXPECT_FALSE(IsQuitRequested());
    EXPECT_TRUE(Offer(Qt::Key_Q, Qt::ControlModifier));
    EXPECT_TRUE(IsQuitRequested());
}

TEST_F(AppFrame, RecentPositionFiles)
{
    CMirobeltView* view = frame->View();
    for (const int i : {1, 2, 3, 4, 5, 3})  // p3 used again: back to the top
        emit view->positionFileUsed(folder.File(QStringLiteral("p%1.bi1").arg(i)));
    QStringList expected, menu = {"-"};
    for (const int i : {3, 5, 4, 2})
        expected << folder.File(QStringLiteral("p%1.bi1").arg(i));
    EXPECT_EQ(recent->Files(), expected);
    for (int i = 0; i < 4; ++i)
        menu << QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]);
    EXPECT_EQ(MenuTexts(frame->FileMenu()).mid(4), menu << "-" << "&Quitter\tCtrl+Q");

    // An entry whose file has gone leaves the list.
    frame->FileMenu()->actions()[5]->trigger();  // "&1 .../p3.bi1", never written
    PumpPendingMessages();
    EXPECT_EQ(recent->Files(), expected.mid(1));
    EXPECT_EQ(MenuTexts(frame->FileMenu()).size(), 10);

    // Choosing an entry opens that position in the view.
    Edit(*view)->balls[1].x = 0.75;
    ASSERT_TRUE(view->SavePositionFile(folder.File("p4.bi1"), "Billard_KVO_le_3_aout_99\n"));
    Edit(*view)->balls[1].x = 0.25;
    frame->FileMenu()->actions()[6]->trigger();  // "&2 .../p4.bi1"
    PumpPendingMessages();
    EXPECT_DOUBLE_EQ(view->SetUp().balls[1].x, 0.75);

    // Kept in the settings, read back by a new list.
    QSettings stored(folder.File("settings.ini"), QSettings::IniFormat);
    CRecentFileList reloaded(&stored, 4);
    reloaded.Load();
    EXPECT_EQ(reloaded.Files(), QStringList({expected[2], expected[1], expected[3]}));
}

// The command table against the window: each entry's action with its text,
// prompt, tip, keys, place in its menu and on its bar, and its handler.
TEST_F(AppFrame, CommandTableBuildsTheMenusBarsAndKeys)
{
    const QList<QAction*> menus = frame->menuBar()->actions();
    QList<int> traced;
    frame->m_commandTrace = [&traced](int id) {
        traced << id;
        return false;  // the wiring only: no dialog, no shot
    };
    for (const CommandEntry& entry : CommandTable())
    {
        SCOPED_TRACE(entry.id);
        QAction* action = Command(entry.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->data().toInt(), entry.id);
        EXPECT_EQ(action->text(), entry.kind == CommandKind::StrokePanel ? QString::fromUtf8("Réglages du coup")
                                                                         : CommandText(entry));
        EXPECT_EQ(action->statusTip(), CommandPrompt(entry));
        EXPECT_EQ(action->toolTip(), CommandTip(entry));
        EXPECT_EQ(action->shortcuts(), entry.keys);
        if (entry.menu != CommandMenu::None)
        {
            QList<QAction*> shown = menus[static_cast<int>(entry.menu) - 1]->menu()->actions();
            shown.removeIf([](const QAction* a) { return a->isSeparator() || a->data().toInt() == 0; });
            std::vector<const CommandEntry*> order = EntriesOfMenu(entry.menu);
            const auto at = std::find(order.begin(), order.end(), &entry) - order.begin();
            ASSERT_LT(at, shown.size());
            EXPECT_EQ(shown[at], action);
        }
        if (entry.bar != CommandBar::None)
        {
            QToolBar* bar = entry.bar == CommandBar::File ? frame->FileBar() : frame->GameBar();
            EXPECT_TRUE(bar->actions().contains(action));
            EXPECT_FALSE(action->icon().isNull());
        }
        traced.clear();
        if (entry.kind == CommandKind::Action)
            action->trigger();
        // As a vector: Qt's comparison of two empty lists hands memcmp a null pointer.
        EXPECT_EQ(std::vector<int>(traced.begin(), traced.end()),
                  entry.handler ? std::vector<int>{entry.id} : std::vector<int>{});
    }
    // Every action of the menus and bars comes from the table (recent files aside).
    for (QWidget* holder : {static_cast<QWidget*>(frame->FileBar()), static_cast<QWidget*>(frame->GameBar())})
        for (const QAction* action : holder->actions())
            EXPECT_TRUE(action->isSeparator() || Command(action->data().toInt()) == action) << action->text().toStdString();
}

// Triggering a command reaches its own handler.
TEST_F(AppFrame, CommandsReachTheirHandlers)
{
    CMirobeltView* view = frame->View();
    QStringList asked;
    view->m_chooseOpenPath = [&asked] { asked << "open"; return QString(); };
    view->m_chooseSavePath = [&asked] { asked << "save"; return QString(); };
    for (const int id : {ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_POSITION_LIST_SAVE, ID_POSITION_LIST_LOAD})
        Command(id)->trigger();
    EXPECT_EQ(asked, QStringList({"open", "save", "save", "open"}));

    // (Undo and redo: EditionMenu; find: FinderPanel; help and quit: their keys above.)
    const int format = view->SetUp().tableFormat;
    Command(ID_TABLE_FORMAT)->trigger();
    EXPECT_NE(view->SetUp().tableFormat, format);
    frame->SetDocumentTitle("p.bi1");
    Command(ID_FILE_NEW)->trigger();
    EXPECT_EQ(frame->windowTitle(), "Sans titre" + kTitle);
    Command(ID_STROKE_PANEL)->trigger();
    EXPECT_TRUE(frame->StrokeSettings()->isVisible());
    QString dialogTitle;
    OnTheNextDialog([&](QDialog& dialog) { dialogTitle = dialog.windowTitle(); dialog.reject(); });
    Command(ID_FILE_EXPORT_IMAGE)->trigger();
    EXPECT_EQ(dialogTitle, "Exporter l'image");
}

namespace
{
// Answers the quit question with the button named answer; the texts seen go to seen.
void AnswerQuitQuestion(const QString& answer, QStringList& seen)
{
    OnTheNextDialog([answer, &seen](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        seen << box->text();
        for (QAbstractButton* button : box->buttons())
            seen << button->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answer)
                button->click();
    });
}
}  // namespace

TEST_F(AppFrame, QuitAsksToSaveAChangedPositionList)
{
    CMirobeltView* view = frame->View();
    const QString listFile = folder.File("liste.se2");
    QString chosen;
    view->m_chooseSavePath = [&chosen] { return chosen; };
    view->m_chooseOpenPath = [&chosen] { return chosen; };

    // Nothing played: the window closes without a question.
    frame->close();
    EXPECT_TRUE(IsQuitRequested());
    ClearQuitRequest();
    frame->show();

    Edit(*view)->balls[1].x = 0.5;
    view->RecordPosition();
    Edit(*view)->balls[1].x = 0.7;
    view->RecordPosition();
    ASSERT_TRUE(frame->Model()->ListChangedSinceSaved());

    // Annuler, and a save given up or failing: the window stays.
    QStringList seen;
    AnswerQuitQuestion("Annuler", seen);
    Command(ID_APP_EXIT)->trigger();
    ASSERT_EQ(seen.size(), 4);
    std::sort(seen.begin() + 1, seen.end());  // the buttons' order is the platform's
    EXPECT_EQ(seen, QStringList({"Enregistrer la liste des positions ?", "Annuler", "Enregistrer", "Ne pas enregistrer"}));
    EXPECT_FALSE(IsQuitRequested());
    EXPECT_TRUE(frame->isVisible());
    for (const QString& path : {QString(), folder.Path()})  // no name chosen; a folder cannot be written
    {
        chosen = path;
        AnswerQuitQuestion("Enregistrer", seen);
        EXPECT_FALSE(frame->close());
        EXPECT_FALSE(IsQuitRequested());
    }

    // Enregistrer: the toolbar's list save writes the list, then the window closes.
    chosen = listFile;
    AnswerQuitQuestion("Enregistrer", seen);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(IsQuitRequested());
    std::vector<PositionEntry> written(kPositionListSlots);
    int count = 0;
    ASSERT_TRUE(ReadDemoSequence(listFile.toStdString(), written.data(), count));
    EXPECT_EQ(count, 2);
    EXPECT_FLOAT_EQ(written[1].v[0], 0.7f);
    ClearQuitRequest();
    frame->show();

    // Saved, or read again: no question. A change after it asks; Ne pas enregistrer closes.
    EXPECT_FALSE(frame->Model()->ListChangedSinceSaved());
    Command(ID_POSITION_DELETE)->trigger();
    EXPECT_TRUE(frame->Model()->ListChangedSinceSaved());
    Command(ID_POSITION_LIST_LOAD)->trigger();
    EXPECT_FALSE(frame->Model()->ListChangedSinceSaved());
    Command(ID_EDIT_UNDO)->trigger();  // back to the list before the read
    EXPECT_TRUE(frame->Model()->ListChangedSinceSaved());
    AnswerQuitQuestion("Ne pas enregistrer", seen);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(IsQuitRequested());
}

TEST_F(AppFrame, StepsThroughTheListAndTheDemonstrationAreNoChange)
{
    CMirobeltView* view = frame->View();
    view->RecordPosition();
    Edit(*view)->balls[1].x = 0.7;
    view->RecordPosition();
    frame->Model()->MarkListSaved();
    Command(ID_POSITION_PREV)->trigger();
    Command(ID_POSITION_NEXT)->trigger();
    EXPECT_FALSE(frame->Model()->ListChangedSinceSaved());
    // Another first entry, as many entries as saved, is a change.
    std::vector<PositionEntry> entries(view->List().Slots(), view->List().Slots() + kPositionListSlots);
    entries[0].v[0] += 0.5f;
    Edit(*view).List().Assign(entries.data(), 2, 1);
    EXPECT_TRUE(frame->Model()->ListChangedSinceSaved());

    // A window that starts with the demonstration has nothing to save.
    std::vector<PositionEntry> demo(kPositionListSlots);
    demo[0].v[0] = 1.0f;
    ASSERT_TRUE(WriteDemoSequence("demo.se2", demo.data(), 3));
    CMainFrame started(doc.get(), recent.get());
    started.show();
    started.View()->repaint();
    PumpPendingMessages();
    started.View()->KillDemoTimer();
    EXPECT_EQ(started.Model()->List().Count(), 3);
    EXPECT_FALSE(started.Model()->ListChangedSinceSaved());
}

TEST_F(AppFrame, DockLayoutIsRememberedAndTheBarsStartOnTheTopRow)
{
    frame->OnFindShot();
    frame->addDockWidget(Qt::LeftDockWidgetArea, frame->StrokeSettings());
    frame->StrokeSettings()->show();
    frame->GameBar()->hide();
    frame->close();
    ClearQuitRequest();

    CMainFrame again(doc.get(), recent.get());
    again.show();
    PumpPendingMessages();
    EXPECT_TRUE(again.FinderPanel()->isVisible());
    EXPECT_EQ(again.dockWidgetArea(again.FinderPanel()), Qt::RightDockWidgetArea);
    EXPECT_TRUE(again.StrokeSettings()->isVisible());
    EXPECT_EQ(again.dockWidgetArea(again.StrokeSettings()), Qt::LeftDockWidgetArea);
    // The bars and the window's size are not remembered.
    EXPECT_TRUE(again.GameBar()->isVisible());
    EXPECT_TRUE(again.CommandAction(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_EQ(again.toolBarArea(again.GameBar()), Qt::TopToolBarArea);
    EXPECT_EQ(again.GameBar()->y(), again.FileBar()->y());
    EXPECT_EQ(again.frameGeometry(), frame->frameGeometry());
}
