// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's language: the translation file against the sources, the
// stored choice and its override, and the main window in English and back in
// French, through the program's start-up.

#include <QDialogButtonBox>
#include <QDockWidget>
#include <QMultiHash>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include "GuiTestSupport.h"
#include "app/AboutDlg.h"
#include "app/HelpWindow.h"
#include "diagram/FinderSheet.h"
#include "diagram/StrokeText.h"
#include "finder/gui/ShotFinderPanel.h"
#include "setup/gui/StrokePanel.h"
#include "platform/Language.h"

namespace
{
const QString kTranslationFile = QStringLiteral(MIROBELT_SOURCE_DIR "/translations/mirobelt_en.ts");

struct Message
{
    QString context, source, translation, type;
};

QList<Message> ReadTranslations(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty())
        {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            // The forms of a text with a count, run together.
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// What a translation must keep of its source: the numbered arguments, the
// shortcut shown after a tab, whether it has an accelerator letter.
QString Markers(const QString& text)
{
    QStringList arguments;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        arguments << match.captured();
    arguments.sort();
    const QString withoutDoubles = QString(text).remove(QStringLiteral("&&"));
    return arguments.join(' ') + " | " + text.section('\t', 1) + " | " + (withoutDoubles.contains('&') ? "&" : "");
}

// Texts that are the same in every language: no letter at all (numbers,
// signs), a key ("Ctrl+P"), the names of the languages in their own
// language, and words English and French share.
bool LanguageNeutral(const QString& text)
{
    static const QStringList neutral = {"Français", "English", "OK", "Force", "NUM"};
    const bool hasLetter = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    const QKeySequence key = QKeySequence::fromString(text, QKeySequence::PortableText);
    return !hasLetter || (!key.isEmpty() && key.toString(QKeySequence::PortableText) == text) || neutral.contains(text);
}

// The texts the window shows: the title, every action's text, tip and status
// note (menus, toolbars, sub-menus), and those of every widget in it (the
// docked panels too): titles, tips, labels, buttons, lists' items and headers.
QStringList WindowTexts(const CMainFrame& frame)
{
    QStringList texts;
    for (const QAction* action : frame.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    QList<const QWidget*> widgets = {&frame};
    for (const QWidget* widget : frame.findChildren<QWidget*>())
        widgets << widget;
    for (const QWidget* widget : widgets)
    {
        texts << widget->windowTitle() << widget->toolTip() << widget->statusTip();
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* box = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        if (const auto* tree = qobject_cast<const QTreeWidget*>(widget))
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
    }
    return texts;
}

// The program started as from the desktop, in a working folder and settings of its own.
class LanguageTest : public ::testing::Test
{
protected:
    LanguageTest()
    {
        ResetProgramState();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.Path());
        qunsetenv("MIROBELT_LANG");
        // Entries still unfinished are shown in French, as if they were not there.
        for (const Message& message : ReadTranslations(kTranslationFile))
            if (message.type.isEmpty())
                translations.insert(message.source, message.translation);
    }
    ~LanguageTest() override
    {
        qunsetenv("MIROBELT_LANG");
        Language::Install(QStringLiteral("fr"));
    }

    // The window's texts at a start of the program with the given stored choice.
    QStringList TextsAtStart(const QString& stored)
    {
        Language::Store(stored);
        CMirobeltApp app;
        EXPECT_TRUE(app.InitInstance({"mirobelt"}));
        app.MainFrame()->View()->KillDemoTimer();
        EXPECT_EQ(Language::Current(), stored);
        return WindowTexts(*app.MainFrame());
    }

    // What a command-line tool prints, run with the settings of this test and
    // MIROBELT_LANG set to language (unset when empty): standard output and error.
    std::pair<QString, QString> RunTool(const QString& tool, const QStringList& args, const QString& language)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", folder.Path());
        environment.remove("MIROBELT_LANG");
        if (!language.isEmpty())
            environment.insert("MIROBELT_LANG", language);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.Path());
        process.start(tool, args);
        EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
        return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    ScopedWorkingFolder folder;
    QMultiHash<QString, QString> translations;  // French source -> English
};
}  // namespace

TEST(Translations, EveryTextOfTheSourcesHasItsEnglishTranslation)
{
    // lupdate gathers the texts of today's sources into a copy of the file:
    // a text added without its translation shows as unfinished.
    QTemporaryDir work;
    const QString gathered = work.filePath("mirobelt_en.ts");
    ASSERT_TRUE(QFile::copy(kTranslationFile, gathered));
    QProcess lupdate;
    lupdate.start(MIROBELT_LUPDATE, {"-no-obsolete", "-locations", "none", MIROBELT_SOURCE_DIR "/src",
                                     MIROBELT_SOURCE_DIR "/tools", "-ts", gathered});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QList<Message> committed = ReadTranslations(kTranslationFile);
    const QList<Message> current = ReadTranslations(gathered);
    EXPECT_GE(current.size(), 16);
    QStringList missing;
    for (const Message& message : current)
    {
        if (!message.type.isEmpty() || message.translation.isEmpty())
            missing << message.context + ": " + message.source;
        EXPECT_EQ(Markers(message.translation).toStdString(), Markers(message.source).toStdString())
            << message.source.toStdString();
    }
    EXPECT_TRUE(missing.isEmpty()) << "texts without their English translation (make translations, then "
                                      "translate them in translations/mirobelt_en.ts):\n"
                                   << missing.join('\n').toStdString();
    EXPECT_EQ(current.size(), committed.size()) << "translations/mirobelt_en.ts is not up to date: make translations";
}

TEST_F(LanguageTest, ChoiceIsStoredWithTheProgramsSettingsAndTheEnvironmentOverridesIt)
{
    EXPECT_EQ(Language::Stored(), "fr");  // nothing chosen yet
    EXPECT_EQ(Language::Chosen(), "fr");
    Language::Store("en");
    Language::Store("de");  // unknown: ignored
    EXPECT_EQ(Language::Chosen(), "en");
    for (const auto& [value, chosen] : {std::pair("fr", "fr"), {" EN ", "en"}, {"de", "en"}, {"", "en"}})
    {
        qputenv("MIROBELT_LANG", value);
        EXPECT_EQ(Language::Chosen(), chosen) << value;
    }
    EXPECT_EQ(Language::Stored(), "en");  // the override is not stored
    EXPECT_FALSE(Language::Install("de"));
    EXPECT_EQ(Language::Current(), "fr");

    // The program keeps it in its own settings file, where the tools read it.
    qunsetenv("MIROBELT_LANG");
    CMirobeltApp app;
    ASSERT_TRUE(app.InitInstance({"mirobelt"}));
    app.MainFrame()->View()->KillDemoTimer();
    EXPECT_EQ(QSettings().value("Interface/Language").toString(), "en");
    EXPECT_EQ(Language::Current(), "en");

    // Qt's own buttons follow, and come back in French.
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text(), "Cancel");
    EXPECT_EQ(QCoreApplication::translate("HelpWindow", "Sommaire"), "Contents");
    ASSERT_TRUE(Language::Install("fr"));
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text(), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("HelpWindow", "Sommaire"), "Sommaire");
}

// Every text that has a translation shows it, no other French text is left,
// and back in French the window is the same.
TEST_F(LanguageTest, EnglishWindowAndBackToTheSameFrenchTexts)
{
    const QStringList french = TextsAtStart("fr");
    const QStringList english = TextsAtStart("en");
    EXPECT_EQ(TextsAtStart("fr"), french);
    ASSERT_EQ(english.size(), french.size());
    int translated = 0;
    QStringList untranslated;
    for (int i = 0; i < french.size(); ++i)
    {
        if (LanguageNeutral(french[i]))
            continue;
        if (translations.contains(french[i]))
        {
            EXPECT_TRUE(translations.values(french[i]).contains(english[i]))
                << french[i].toStdString() << " -> " << english[i].toStdString();
            ++translated;
        }
        if (english[i] == french[i] && !untranslated.contains(french[i]))
            untranslated << french[i];
    }
    EXPECT_GE(translated, 8);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.size() << " texts of the window have no translation:\n"
                                        << untranslated.join('\n').toStdString();
    for (const char* text : {"&Print...\tCtrl+P", "&Quit\tCtrl+Q", "Mirobelt &Help\tF1", "&Language"})
        EXPECT_TRUE(english.contains(text)) << text;
}

TEST_F(LanguageTest, ToolsSpeakFrenchUnlessEnglishIsChosenOrAsked)
{
    struct Tool
    {
        QString path;
        QStringList badArgs;
        QString frenchUsage, englishUsage, frenchError, englishError;
    };
    const QList<Tool> tools = {
        {MIROBELT_SHOT_TOOL, {"--width", "12", "shot.bi1"}, "usage : mirobelt-shot POSITION.bi1 [-o FICHIER]",
         "usage: mirobelt-shot POSITION.bi1 [-o FILE]",
         "mirobelt-shot : --width attend un nombre entier de pixels de 200 à 8000\n",
         "mirobelt-shot: --width takes a whole number of pixels from 200 to 8000\n"},
        {MIROBELT_SOLVE_TOOL, {"shot.bi1"}, "usage : mirobelt-solve POSITION.bi1 --game",
         "usage: mirobelt-solve POSITION.bi1 --game",
         "mirobelt-solve : le jeu manque : --game libre, une-bande ou trois-bandes\n",
         "mirobelt-solve: no game given: --game libre, une-bande or trois-bandes\n"},
    };
    for (const Tool& tool : tools)
    {
        // Nothing chosen: French, the whole help as the sources write it.
        const QString frenchHelp = RunTool(tool.path, {"--help"}, {}).first;
        EXPECT_TRUE(frenchHelp.startsWith(tool.frenchUsage)) << frenchHelp.toStdString();
        EXPECT_EQ(RunTool(tool.path, tool.badArgs, {}).second, tool.frenchError);

        // Asked for one run: English, the whole help translated.
        const QString englishHelp = RunTool(tool.path, {"--help"}, "en").first;
        EXPECT_TRUE(englishHelp.startsWith(tool.englishUsage)) << englishHelp.toStdString();
        EXPECT_TRUE(translations.values(frenchHelp).contains(englishHelp)) << englishHelp.toStdString();
        EXPECT_EQ(RunTool(tool.path, tool.badArgs, "en").second, tool.englishError);

        // English chosen in the program: the tools follow it, and MIROBELT_LANG still overrides.
        Language::Store("en");
        EXPECT_EQ(RunTool(tool.path, tool.badArgs, {}).second, tool.englishError);
        EXPECT_EQ(RunTool(tool.path, {"--help"}, "fr").first, frenchHelp);
        Language::Store("fr");
    }
}

TEST_F(LanguageTest, DiagramTextsInEnglishWithDecimalPointsAndBackInFrench)
{
    StrokeValues stroke;
    stroke.aimDegrees = 47.26, stroke.height = 0.4, stroke.side = -0.2, stroke.force = 0.65, stroke.cueDegrees = 5;
    const auto texts = [&] {
        return StrokeLine(stroke) + "\n" + ScoringLine(1, "GDHB", 2.345) + "\n" + ScoringLine(2, "", -1) + "\n" +
               GameName(Game::TroisBandes).toStdString();
    };
    const std::string french = texts();
    EXPECT_EQ(french, "Visée 47,3° · Hauteur +0,40 · Côté −0,20 · Force 0,65 · Queue 5°\n"
                      "1re bille : rouge · Bandes : GDHB · Fenêtre 2,35°\n"
                      "1re bille : pointée · Bandes : aucune\n"
                      "Trois bandes");
    ASSERT_TRUE(Language::Install("en"));
    EXPECT_EQ(texts(), "Aim 47.3° · Height +0.40 · Side −0.20 · Force 0.65 · Cue 5°\n"
                       "1st ball: red · Cushions: LRTB · Window 2.35°\n"
                       "1st ball: spot white · Cushions: none\n"
                       "Three-cushion");
    ASSERT_TRUE(Language::Install("fr"));
    EXPECT_EQ(texts(), french);
}

TEST_F(LanguageTest, HelpAboutAndTheLanguageMenuSpeakTheChosenLanguage)
{
    Language::Store("en");
    CMirobeltApp app;
    ASSERT_TRUE(app.InitInstance({"mirobelt"}));
    CMainFrame* frame = app.MainFrame();
    frame->View()->KillDemoTimer();

    // The English guide, whole: its pictures and the anchors of its contents.
    frame->OnHelp();
    const QList<HelpWindow*> windows = frame->findChildren<HelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->windowTitle(), "Mirobelt Help");
    const QTextBrowser* browser = windows[0]->Browser();
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/en/index.html"));
    const QString page = browser->document()->toPlainText();
    for (const char* heading : {"Placing the balls", "Finding a shot and the aiming map", "Printing",
                                "The command-line tools", "The program's files", "View > Language"})
        EXPECT_TRUE(page.contains(heading)) << heading;
    EXPECT_FALSE(page.contains("Placer les billes"));
    QFile french(":/help/fr/index.html");
    ASSERT_TRUE(french.open(QIODevice::ReadOnly));
    const QString frenchPage = QString::fromUtf8(french.readAll());
    const QString englishPage = browser->document()->toHtml();
    for (const QRegularExpression& pattern : {QRegularExpression("<a name=\"(\\w+)\""), QRegularExpression("<img src=\"([^\"]+)\"")})
        for (const QRegularExpressionMatch& match : pattern.globalMatch(frenchPage))
            EXPECT_TRUE(englishPage.contains(match.captured(1))) << match.captured(1).toStdString();

    CAboutDlg about(frame);
    EXPECT_EQ(about.windowTitle(), "About Mirobelt");
    EXPECT_EQ(about.findChild<QLabel*>("aboutProduct")->text(),
              "Mirobelt, a carom billiards simulator, version 1.0 of 6 December 2026");

    // View > Language: English is checked; choosing French stores it, the
    // window speaks French at once, and a note in French says what waits for
    // the next start.
    QMenu* languages = frame->findChild<QMenu*>("LanguageMenu");
    ASSERT_NE(languages, nullptr);
    QAction* englishEntry = frame->findChild<QAction*>("Language_en");
    QAction* frenchEntry = frame->findChild<QAction*>("Language_fr");
    ASSERT_TRUE(englishEntry && frenchEntry);
    EXPECT_TRUE(englishEntry->isChecked());
    QString note;
    const auto readNote = [&] {
        OnTheNextDialog([&](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                note = box->windowTitle() + ": " + box->text();
            dialog.close();
        });
    };
    readNote();
    frenchEntry->trigger();
    EXPECT_EQ(note, QString::fromUtf8("Langue: Les menus et la barre d'outils changent de langue tout de suite ; le "
                                      "contenu des panneaux suivra au prochain démarrage."));
    EXPECT_TRUE(frenchEntry->isChecked() && !englishEntry->isChecked());
    EXPECT_EQ(Language::Stored(), "fr");
    EXPECT_EQ(Language::Current(), "fr");

    readNote();
    englishEntry->trigger();
    EXPECT_EQ(note, "Language: The menus and the toolbar change language at once; the contents of the panels will follow "
                    "from the next start.");
    EXPECT_EQ(Language::Stored(), "en");
}

namespace
{
// The texts of the window's menus, bars, tips and panels' titles.
QStringList CommandTexts(const CMainFrame& frame)
{
    QStringList texts = {frame.windowTitle(), frame.FinderPanel()->windowTitle(), frame.StrokeSettings()->windowTitle()};
    for (const QAction* action : frame.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    for (const QMenu* menu : frame.findChildren<QMenu*>())
        texts << menu->title();
    for (int i = 0; i < 7; ++i)
        texts << frame.Pane(i)->text();
    return texts;
}
}  // namespace

TEST_F(LanguageTest, MenusBarsAndTipsChangeLanguageLive)
{
    Language::Store("en");
    QStringList english;
    {
        CMirobeltApp app;
        ASSERT_TRUE(app.InitInstance({"mirobelt"}));
        app.MainFrame()->View()->KillDemoTimer();
        english = CommandTexts(*app.MainFrame());
    }
    Language::Store("fr");
    CMirobeltApp app;
    ASSERT_TRUE(app.InitInstance({"mirobelt"}));
    CMainFrame* frame = app.MainFrame();
    frame->View()->KillDemoTimer();
    const QStringList french = CommandTexts(*frame);
    ASSERT_NE(french, english);

    // Live to English: the same texts as a window started in English; and back.
    for (const auto& [code, expected] : {std::pair{"en", english}, std::pair{"fr", french}})
    {
        OnTheNextDialog([](QDialog& dialog) { dialog.close(); });
        frame->findChild<QAction*>(QStringLiteral("Language_") + code)->trigger();
        EXPECT_EQ(Language::Current(), code);
        EXPECT_EQ(CommandTexts(*frame), expected) << code;
    }
}

