// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke panel: edits change the set-up through the model at once, model
// changes fill the fields without coming back as edits, values out of range
// are refused and marked; and the names of the Edition menu's commands.

#include <QLineEdit>

#include "GuiTestSupport.h"
#include "setup/gui/SetUpModel.h"
#include "setup/gui/StrokePanel.h"

namespace
{
class StrokeSettings : public ViewTest<600, 400>
{
protected:
    StrokeSettings() { panel.show(); }
    void Enter(const QString& field, const QString& text)
    {
        QLineEdit* edit = panel.Field(field);
        edit->setText(text);
        emit edit->editingFinished();
    }
    StrokePanel panel{v.Model()};
    QUndoStack& Stack() { return *v.Model()->UndoStack(); }
};
}  // namespace

TEST_F(StrokeSettings, EditsChangeTheSetUpAndRedrawAtOnce)
{
    h.Draw();
    Enter("force", "0,25");  // the comma is read too
    EXPECT_EQ(v.SetUp().force, 0.25);
    EXPECT_EQ(v.Model()->Current().force, 0.25);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("la saisie de la force"));
    Enter("height", "0.5");  // above the centre: the widget's value is negative
    EXPECT_EQ(v.SetUp().strikeHeight, -0.5);
    Enter("raise", "30");
    Enter("redX", "1.5");
    EXPECT_EQ(std::tuple(v.SetUp().raiseAngle, v.SetUp().balls[1].x, v.m_bSetupChanged), std::tuple(30.0, 1.5, 1));
    const QImage edited = v.Picture().copy();
    EXPECT_EQ(edited, h.Draw());  // drawn whole, with the red ball in its new place

    // Leaving a field untouched changes nothing, however it was rounded.
    const int steps = Stack().count();
    emit panel.Field("angle")->editingFinished();
    EXPECT_EQ(Stack().count(), steps);

    panel.CueBallChoice()->setCurrentIndex(2);
    emit panel.CueBallChoice()->activated(2);
    EXPECT_EQ(std::tuple(v.SetUp().cueBall, v.SetUp().aim.originX, v.SetUp().aim.originY), std::tuple(3, v.SetUp().balls[2].x, v.SetUp().balls[2].y));
    Enter("angle", "90");
    EXPECT_NEAR(v.SetUp().aim.targetX, v.SetUp().aim.originX, 1e-12);
    EXPECT_LT(v.SetUp().aim.targetY, v.SetUp().aim.originY);  // up the screen
}

TEST_F(StrokeSettings, OutOfRangeIsRefusedAndMarkedAndOtherChangesShowWithoutEcho)
{
    h.Draw();
    const TableState before = v.Model()->State();
    for (const auto& [field, text] : {std::pair("force", "1.5"), {"raise", "90"}, {"side", "-1.01"}, {"angle", "abc"},
                                      {"whiteX", "9"}, {"redY", "-0.1"}, {"redX", "0.12"}})  // onto the white ball
    {
        Enter(field, text);
        EXPECT_TRUE(StrokePanel::IsMarked(panel.Field(field))) << field;
    }
    EXPECT_EQ(v.Model()->State(), before);
    EXPECT_EQ(Stack().count(), 0);

    // A key changes the raise: the field shows it, no new step comes from the panel.
    Key(v, Qt::Key_F7);
    EXPECT_EQ(panel.Field("raise")->text(), "1.0");
    EXPECT_FALSE(StrokePanel::IsMarked(panel.Field("raise")));
    EXPECT_EQ(Stack().count(), 1);
    v.Model()->Undo();
    EXPECT_EQ(panel.Field("raise")->text(), "0.0");
    EXPECT_EQ(panel.Field("force")->text(), "0.500");
    EXPECT_EQ(Stack().count(), 1);

    // A left press on the red ball makes it the cue ball: the choice shows it.
    const QPoint red(v.MapX(v.SetUp().balls[1].x), v.MapY(v.SetUp().balls[1].y));
    Mouse(v, QEvent::MouseButtonPress, red, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(v.SetUp().cueBall, panel.CueBallChoice()->currentIndex()), std::pair(2, 1));
}

TEST(EditionMenu, UndoAndRedoNameTheStepAndTakeTheirKeys)
{
    FrameHarness f;
    CMirobeltView& v = *f.frame->View();
    QAction* undo = f.frame->CommandAction(ID_EDIT_UNDO);
    QAction* redo = f.frame->CommandAction(ID_EDIT_REDO);
    ASSERT_TRUE(undo != nullptr && redo != nullptr);
    EXPECT_EQ(redo->shortcuts(), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));

    Key(v, Qt::Key_F8);
    EXPECT_EQ(undo->text(), QStringLiteral("Annuler le changement d'élévation"));
    undo->trigger();
    EXPECT_EQ(std::pair(v.SetUp().raiseAngle, redo->text()), std::pair(0.0, QStringLiteral("Rétablir le changement d'élévation")));
    redo->trigger();
    EXPECT_EQ(v.SetUp().raiseAngle, 88);
}
