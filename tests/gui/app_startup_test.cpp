// Start-up: settings store, document, main window and view, command line.

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "app/MainFrame.h"
#include "app/MirobeltApp.h"
#include "platform/MessagePump.h"

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
        EXPECT_EQ(frame->windowTitle(), "Sans titre - Simulateur de Billard Francais (Ostrevan)");
        EXPECT_EQ(frame->centralWidget(), frame->View());
        EXPECT_EQ(frame->View()->GetDocument(), app.Document());
        EXPECT_EQ(QCoreApplication::organizationName() + "/" + QCoreApplication::applicationName(),
                  "kvo/Simulateur de Billard Francais (Ostrevan)");
        // The document was given the tuning file of the working folder.
        EXPECT_TRUE(QFile::exists(folder.File("Corrections.prm")));

        app.RecentFiles()->Add(folder.File("a.bi1"));
        frame->View()->KillDemoTimer();
    }
    QSettings stored(folder.Path() + "/kvo/Simulateur de Billard Francais (Ostrevan).conf", QSettings::IniFormat);
    EXPECT_EQ(stored.value("Recent File List/File1").toString(), folder.File("a.bi1"));

    // A file named on the command line names the document; a missing one fails.
    ASSERT_TRUE(QFile(folder.File("partie.bil")).open(QIODevice::WriteOnly));
    {
        CMirobeltApp app;
        ASSERT_TRUE(app.InitInstance({"mirobelt", folder.File("partie.bil")}));
        EXPECT_EQ(app.MainFrame()->windowTitle(), "partie.bil - Simulateur de Billard Francais (Ostrevan)");
        app.MainFrame()->View()->KillDemoTimer();
    }
    {
        CMirobeltApp app;
        EXPECT_FALSE(app.InitInstance({"mirobelt", folder.File("absent.bil")}));
    }
    PumpPendingMessages();
    ClearQuitRequest();
}
