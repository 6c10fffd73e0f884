// SPDX-License-Identifier: GPL-3.0-or-later
// The "Coups possibles" panel in the main window, and the exercise sheet of its list.

#include <QHeaderView>

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
            Edit(*view)->balls[b].x = s.balls[b].x, Edit(*view)->balls[b].y = s.balls[b].y;
        Edit(*view)->cueBall = s.cueBall;
        Edit(*view)->force = s.force;
        Edit(*view)->strikeHeight = 0.3;
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

    panel->ExportSheetButton()->click();  // no list yet: no sheet to write
    EXPECT_TRUE(panel->Status()->text().startsWith("Pas de coups")) << panel->Status()->text().toStdString();
    panel->GameChoice()->setCurrentIndex(0);  // Libre
    panel->SearchChoice()->setCurrentIndex(0);  // Visée seule
    panel->StartSearch();
    EXPECT_TRUE(panel->Searching());
    ASSERT_TRUE(WaitForEnd(60000));
    QTreeWidget* list = panel->SolutionList();
    const int listed = list->topLevelItemCount();
    ASSERT_GT(listed, 0) << panel->Status()->text().toStdString();

    // "Exporter la feuille..." writes the exercise sheet of the list.
    OnTheNextDialog([&](QDialog& files) {
        qobject_cast<QFileDialog*>(&files)->selectFile(folder.File("liste"));
        files.accept();
    });
    panel->ExportSheetButton()->click();
    EXPECT_EQ(panel->Status()->text(), "Feuille exportée : liste.pdf");
    const PdfReading pdf = ReadPdf(folder.File("liste.pdf"));
    EXPECT_EQ(pdf.pages, 1 + (listed + 1) / 2);
    EXPECT_TRUE(pdf.text.contains("Jeu : Libre"));
    EXPECT_EQ(list->topLevelItem(0)->text(0), "1");
    EXPECT_EQ(list->topLevelItem(0)->text(5), "0.20");
    // The heights as players read them: the table's draw of 0.3 shows as -0.30.
    EXPECT_EQ(list->topLevelItem(0)->text(6), "-0.30");
    EXPECT_EQ(list->columnCount(), 9);
    EXPECT_EQ(list->headerItem()->text(2), QString::fromUtf8("Visée°"));
    EXPECT_EQ(list->headerItem()->text(8), QString::fromUtf8("Élév.°"));
    // Every column in view.
    EXPECT_LE(list->header()->length(), list->viewport()->width());
    // A click on a heading sorts by it, by value: the aim from the largest.
    if (list->topLevelItemCount() > 1)
    {
        list->header()->setSortIndicator(2, Qt::DescendingOrder);
        for (int row = 1; row < list->topLevelItemCount(); ++row)
            EXPECT_GE(list->topLevelItem(row - 1)->text(2).toDouble(), list->topLevelItem(row)->text(2).toDouble());
        list->header()->setSortIndicator(0, Qt::AscendingOrder);
    }
    EXPECT_EQ(list->topLevelItem(0)->text(0), "1");

    // Choosing a solution puts its aim in the view and computes its shot to the end.
    list->setCurrentItem(list->topLevelItem(0));
    CMirobeltView* view = frame->View();
    const ShotSetup shown = view->Model()->Current().ToShotSetup();
    EXPECT_EQ(shown.aimOriginX, 0.6);
    EXPECT_NEAR(std::hypot(shown.aimTargetX - 0.6, shown.aimTargetY - 0.64), 1, 1e-5);
    EXPECT_EQ(view->m_bSetupChanged, 0);
    EXPECT_EQ(doc->m_dShotDirX, shown.aimTargetX - shown.aimOriginX);
    EXPECT_GT(doc->m_physics.m_traj[1].m_nCount, 2);  // the red was hit and moved
    EXPECT_FALSE(panel->OutOfDate());

    Edit(*view)->balls[2].x = 1.5;
    EXPECT_TRUE(WaitFor([this] { return panel->OutOfDate(); }, 2000));
    EXPECT_FALSE(list->isEnabled());
}

TEST_F(FinderPanel, ChangingTheGameOrTheSearchMarksTheListOutOfDate)
{
    frame->CommandAction(ID_FIND_SHOT)->trigger();
    panel->GameChoice()->setCurrentIndex(0);
    panel->SearchChoice()->setCurrentIndex(0);
    for (QComboBox* choice : {panel->GameChoice(), panel->SearchChoice()})
    {
        panel->StartSearch();
        ASSERT_TRUE(WaitForEnd(60000));
        ASSERT_FALSE(panel->OutOfDate());
        choice->setCurrentIndex(1);
        EXPECT_TRUE(panel->OutOfDate());
        EXPECT_FALSE(panel->SolutionList()->isEnabled());
        EXPECT_TRUE(panel->Status()->text().startsWith(QString::fromUtf8("Liste périmée")));
        choice->setCurrentIndex(0);
    }
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

    // Hiding the panel cancels its search.
    frame->CommandAction(ID_FIND_SHOT)->trigger();
    ASSERT_TRUE(panel->isVisible());
    panel->StartSearch();
    ASSERT_TRUE(panel->Searching());
    panel->hide();
    ASSERT_TRUE(WaitForEnd(2000));
    EXPECT_EQ(panel->Status()->text(), QString::fromUtf8("Recherche arrêtée."));

    panel->StartSearch();
    ASSERT_TRUE(panel->Searching());
    frame.reset();  // the panel cancels and waits for its workers
}

}  // namespace
