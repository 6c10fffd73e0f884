// SPDX-License-Identifier: GPL-3.0-or-later
// The table view and its model: what the view's handlers change goes to the
// model as one undo step per gesture or command, and what the model changes
// from elsewhere (undo, the stroke panel) comes back to be drawn.

#include <QCoreApplication>

#include "render/DrawingToolkit.h"
#include "sim/TableGeometry.h"
#include "view/MirobeltView.h"

namespace
{

// The name of a step said by what it changed.
QString StepName(const TableSetUp& before, const TableSetUp& after, bool listChanged)
{
    const SetUpParts parts = DifferingParts(before, after);
    if (parts & kTableFormatPart)
        return QCoreApplication::translate("CMirobeltView", "le changement de format de table");
    if (parts & kBallsPart)
    {
        const QString names[3] = {
            QCoreApplication::translate("CMirobeltView", "le déplacement de la bille blanche"),
            QCoreApplication::translate("CMirobeltView", "le déplacement de la bille rouge"),
            QCoreApplication::translate("CMirobeltView", "le déplacement de la bille pointée")};
        int moved = -1;
        for (int b = 0; b < 3; ++b)
        {
            if (before.balls[b] != after.balls[b])
                moved = moved == -1 ? b : 3;
        }
        return moved >= 0 && moved < 3 ? names[moved] : QCoreApplication::translate("CMirobeltView", "le déplacement des billes");
    }
    if (parts & (kAimPart | kCueBallPart))
        return QCoreApplication::translate("CMirobeltView", "la visée");
    if (parts & kStrikePart)
        return QCoreApplication::translate("CMirobeltView", "le changement du point d'impact");
    if (parts & kForcePart)
        return QCoreApplication::translate("CMirobeltView", "le changement de force");
    if (parts & kRaisePart)
        return QCoreApplication::translate("CMirobeltView", "le changement d'élévation");
    if (parts & kModePart)
        return QCoreApplication::translate("CMirobeltView", "le changement de mode");
    return listChanged ? QCoreApplication::translate("CMirobeltView", "la modification de la liste des positions") : QString();
}

}  // namespace

TableSetUp CMirobeltView::DrawnSetUp() const
{
    TableSetUp s;
    for (int b = 0; b < 3; ++b)
        s.balls[b] = {m_balls[b].x, m_balls[b].y};
    s.cueBall = m_nCueBall;
    s.aim = {m_aim.dOriginX, m_aim.dOriginY, m_aim.dTargetX, m_aim.dTargetY};
    s.strikeHeight = m_dStrikeHeight;
    s.strikeSide = m_dStrikeSide;
    s.force = m_dForce;
    s.raiseAngle = m_dRaiseAngle;
    s.strikeMode = m_dStrikeMode;
    s.tableFormat = g_nTableFormat;
    return s;
}

TableState CMirobeltView::DrawnState() const
{
    TableState state;
    state.setUp = DrawnSetUp();
    state.list.Assign(m_aPositions, m_nPositionCount, m_nCurPosition);
    return state;
}

void CMirobeltView::LoadState(const TableState& state)
{
    const TableSetUp& s = state.setUp;
    for (int b = 0; b < 3; ++b)
    {
        m_balls[b].x = s.balls[b].x;
        m_balls[b].y = s.balls[b].y;
    }
    m_nCueBall = s.cueBall;
    m_aim.dOriginX = s.aim.originX;
    m_aim.dOriginY = s.aim.originY;
    m_aim.dTargetX = s.aim.targetX;
    m_aim.dTargetY = s.aim.targetY;
    m_dStrikeHeight = s.strikeHeight;
    m_dStrikeSide = s.strikeSide;
    m_dForce = s.force;
    m_dRaiseAngle = s.raiseAngle;
    m_dStrikeMode = s.strikeMode;
    std::copy_n(state.list.Slots(), kPositionListSlots, m_aPositions);
    m_nPositionCount = state.list.Count();
    m_nCurPosition = state.list.Current();
}

CMirobeltView::ModelStep::ModelStep(CMirobeltView& view, const QString& name, bool ofGesture) : m_view(view)
{
    if (view.m_nStepDepth++ == 0)
    {
        view.m_pendingStepName.clear();
        view.m_bGestureStep = ofGesture;
    }
    if (view.m_pendingStepName.isEmpty())
        view.m_pendingStepName = name;
}

CMirobeltView::ModelStep::~ModelStep()
{
    if (--m_view.m_nStepDepth == 0)
        m_view.CommitToModel(m_view.m_pendingStepName);
}

void CMirobeltView::CommitToModel(const QString& stepName)
{
    const TableState drawn = DrawnState();
    const TableState& known = m_pModel->State();
    if (drawn == known)
        return;
    // A named command is a step of its own; the changes of one drag or held key merge.
    const QString name = stepName.isEmpty() ? StepName(known.setUp, drawn.setUp, !(drawn.list == known.list)) : stepName;
    m_pModel->Change(drawn, name, stepName.isEmpty() && m_bGestureStep ? m_nGesture : 0);
}

void CMirobeltView::OnModelChanged()
{
    const TableState& state = m_pModel->State();
    const TableState drawn = DrawnState();
    if (drawn == state)
        return;  // the view's own change coming back
    const bool tableChanged = drawn.setUp.tableFormat != state.setUp.tableFormat;
    LoadState(state);
    m_bAnimating = 0;
    m_nAnimTick = 0;
    StopPlayLoop();
    m_bSetupChanged = 1;
    if (tableChanged)
    {
        CDC* dc = AcquireWindowDC();
        dc->FillSolidRect(0, 0, m_nDrawWidth, m_nDrawHeight, kWhiteColour);  // nothing of the old table stays
        ReleaseWindowDC(dc);
    }
    OnDraw(nullptr);
}
