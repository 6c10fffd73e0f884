// The "Coups possibles" panel in the main window.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include "../finder/FinderFixture.h"
#include "GuiTestSupport.h"
#include "finder/gui/ShotFinderPanel.h"

namespace
{

class FinderPanel : public ::testing::Test, protected FrameHarness
{
protected:
    void SetUp() override
    {
        panel = frame->FinderPanel();
        // Straight ahead scores at libre (see CannonSetup).
        const ShotSetup s = CannonSetup();
        CMirobeltView* view = frame->View();
        for (int b = 0; b < 3; ++b)
            view->m_balls[b].x = s.balls[b].x, view->m_balls[b].y = s.balls[b].y;
        view->m_nCueBall = s.cueBall;
        view->m_dForce = s.force;
    }
    // Lets the panel poll until done() holds; false after timeoutMs.
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < timeoutMs)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
    bool WaitForEnd(int timeoutMs) { return WaitFor([this] { return !panel->Searching(); }, timeoutMs); }

    ShotFinderPanel* panel = nullptr;
};

TEST_F(FinderPanel, OpenSearchShowAndOutOfDate)
{
    QAction* find = frame->CommandAction(ID_FIND_SHOT);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_FALSE(panel->isVisible());
    find->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowTitle(), "Coups possibles");

    panel->GameChoice()->setCurrentIndex(0);  // Libre
    panel->SearchChoice()->setCurrentIndex(0);  // Visée seule
    panel->StartSearch();
    EXPECT_TRUE(panel->Searching());
    ASSERT_TRUE(WaitForEnd(60000));
    QTreeWidget* list = panel->SolutionList();
    ASSERT_GT(list->topLevelItemCount(), 0) << panel->Status()->text().toStdString();
    EXPECT_EQ(list->topLevelItem(0)->text(0), "1");
    EXPECT_EQ(list->topLevelItem(0)->text(4), "0.20");

    // Choosing a solution puts its aim in the view and computes its shot to the end.
    list->setCurrentItem(list->topLevelItem(0));
    CMirobeltView* view = frame->View();
    const ShotSetup shown = view->CurrentSetup();
    EXPECT_EQ(shown.aimOriginX, 0.6);
    EXPECT_NEAR(std::hypot(shown.aimTargetX - 0.6, shown.aimTargetY - 0.64), 1, 1e-5);
    EXPECT_EQ(view->m_bSetupChanged, 0);
    EXPECT_EQ(doc->m_dShotDirX, shown.aimTargetX - shown.aimOriginX);
    EXPECT_GT(doc->m_physics.m_traj[1].m_nCount, 2);  // the red was hit and moved
    EXPECT_FALSE(panel->OutOfDate());

    view->m_balls[2].x = 1.5;
    EXPECT_TRUE(WaitFor([this] { return panel->OutOfDate(); }, 2000));
    EXPECT_FALSE(list->isEnabled());
}

TEST_F(FinderPanel, EscapeStopsAndClosingDuringASearchEndsIt)
{
    panel->SearchChoice()->setCurrentIndex(1);  // Visée et effet: long
    panel->StartSearch();
    ASSERT_TRUE(panel->Searching());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(frame->View(), &escape);
    ASSERT_TRUE(WaitForEnd(2000));
    EXPECT_EQ(panel->Status()->text(), QString::fromUtf8("Recherche arrêtée."));
    EXPECT_EQ(panel->SolutionList()->topLevelItemCount(), 0);

    panel->StartSearch();
    ASSERT_TRUE(panel->Searching());
    frame.reset();  // the panel cancels and waits for its workers
}

}  // namespace
