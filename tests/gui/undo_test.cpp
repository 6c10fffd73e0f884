// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the set-up and the list: steps made by the view's own
// input, their names, merging, the limit, and no undo during a shot.

#include "GuiTestSupport.h"
#include "setup/gui/SetUpModel.h"

namespace
{
class Undo : public ViewTest<600, 400>
{
protected:
    QUndoStack& Stack() { return *v.Model()->UndoStack(); }
    QPoint BallPixel(int b) { return {v.MapX(v.SetUp().balls[b].x), v.MapY(v.SetUp().balls[b].y)}; }
    void RightDrag(QPoint from, std::initializer_list<QPoint> moves)
    {
        Mouse(v, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
        QPoint at = from;
        for (const QPoint point : moves)
            Mouse(v, QEvent::MouseMove, at = point, Qt::NoButton, Qt::RightButton);
        Mouse(v, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }
};
}  // namespace

TEST_F(Undo, ABallDragIsOneNamedStepThatUndoesAndRedoes)
{
    h.Draw();
    const TableSetUp before = v.Model()->Current();
    RightDrag(BallPixel(1), {{150, 120}, {170, 140}, {200, 150}});
    const TableSetUp after = v.Model()->Current();
    ASSERT_NE(after.balls[1], before.balls[1]);
    EXPECT_EQ(std::pair(after.balls[1].x, after.balls[1].y), std::pair(v.SetUp().balls[1].x, v.SetUp().balls[1].y));
    ASSERT_EQ(Stack().count(), 1);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("le déplacement de la bille rouge"));

    const QImage moved = v.Picture().copy();
    v.Model()->Undo();
    EXPECT_EQ(std::pair(v.SetUp().balls[1].x, v.SetUp().balls[1].y), std::pair(before.balls[1].x, before.balls[1].y));
    EXPECT_EQ(v.Model()->Current(), before);
    const QImage undone = v.Picture().copy();
    EXPECT_NE(undone, moved);
    EXPECT_EQ(undone, h.Draw());  // the whole window shows the old place
    v.Model()->Redo();
    EXPECT_EQ(std::pair(v.SetUp().balls[1].x, v.SetUp().balls[1].y), std::pair(after.balls[1].x, after.balls[1].y));
    const QImage redone = v.Picture().copy();
    EXPECT_EQ(redone, h.Draw());
}

TEST_F(Undo, KeyRepeatsMergeNewPressesAndCommandsAreStepsOfTheirOwn)
{
    h.Draw();
    // The strike keys: a press and its repeats (with their counts) are one step.
    Key(v, Qt::Key_2, Qt::KeypadModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_2, Qt::KeypadModifier, QString(), true, 3);
    QCoreApplication::sendEvent(&v, &repeat);
    ASSERT_EQ(Stack().count(), 1);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("le changement du point d'impact"));
    Key(v, Qt::Key_F7);  // a new press
    EXPECT_EQ(Stack().undoText(), QStringLiteral("le changement d'élévation"));
    EXPECT_EQ(Stack().count(), 2);
    v.Model()->Undo();
    EXPECT_EQ(v.SetUp().raiseAngle, 0);
    EXPECT_GT(v.SetUp().strikeHeight, 0);
    v.Model()->Undo();
    EXPECT_EQ(v.SetUp().strikeHeight, 0);

    // A table format that puts the balls back: one step, both undone together.
    Edit(v)->balls[2].x = 2.0;
    v.OnTableFormat();  // to the 2.84 m table: the balls fit
    v.OnTableFormat();  // to the half table: they go back
    EXPECT_EQ(v.SetUp().tableFormat, 0);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("le changement de format de table"));
    v.Model()->Undo();
    EXPECT_EQ(std::pair(v.SetUp().tableFormat, v.SetUp().balls[2].x), std::pair(3, 2.0));
    EXPECT_EQ(h.doc->m_geometry.length, 2.84);
    v.Model()->Redo();
    EXPECT_EQ(std::tuple(v.SetUp().tableFormat, v.SetUp().balls[2].x, h.doc->m_geometry.length), std::tuple(0, 0.3, 1.275));
}

TEST_F(Undo, ListStepsAreUndoneWithTheirSetUp)
{
    h.Draw();
    v.OnShotFinalPosition();  // records the set-up in the list
    const int count = v.List().Count();
    ASSERT_GE(count, 1);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("le coup joué"));
    v.OnPositionDelete();
    EXPECT_EQ(Stack().undoText(), QStringLiteral("la suppression de la dernière position"));
    EXPECT_EQ(v.List().Count(), count - 1);
    v.Model()->Undo();
    EXPECT_EQ(v.List().Count(), count);
    EXPECT_EQ(v.Model()->List().Count(), count);
}

TEST_F(Undo, OpeningAFileIsAStepThatTakesItsTableAlong)
{
    h.Draw();
    PositionValues saved = kStartPosition;
    std::tie(saved.redX, saved.tableFormat) = std::pair(1.5, 1.0);  // the 2.30 m table
    ASSERT_TRUE(WritePositionFile("small.bi1", kSaveAsHeader, saved));
    v.OpenPositionFile(QStringLiteral("small.bi1"));
    EXPECT_EQ(std::tuple(v.SetUp().tableFormat, h.doc->m_geometry.length, v.SetUp().balls[1].x), std::tuple(1, 2.30, 1.5));
    EXPECT_EQ(Stack().undoText(), QStringLiteral("l'ouverture de small.bi1"));

    v.Model()->Undo();
    EXPECT_EQ(std::tuple(v.SetUp().tableFormat, h.doc->m_geometry.length, v.SetUp().balls[1].x, v.List().Count()),
              std::tuple(2, 2.55, 0.2, 0));
}

TEST_F(Undo, TwoHundredStepsAndNoneDuringAShot)
{
    h.Draw();
    for (int i = 0; i < 220; ++i)
        Key(v, i % 2 == 0 ? Qt::Key_F7 : Qt::Key_F6);
    EXPECT_GE(Stack().count(), 200);
    int undone = 0;
    while (Stack().canUndo() && undone < 300)
    {
        v.Model()->Undo();
        ++undone;
    }
    EXPECT_GE(undone, 200);

    SetUpShortShot(v);
    const int index = Stack().index();
    v.m_bAnimating = 1;  // as while the frames of a shot are drawn
    v.Model()->Undo();
    EXPECT_EQ(Stack().index(), index);
    v.m_bAnimating = 0;
    v.Model()->Undo();
    EXPECT_EQ(Stack().index(), index - 1);
}
