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

CMirobeltView::ModelStep::ModelStep(CMirobeltView& view, const QString& name, bool ofGesture) : m_view(view)
{
    if (view.m_nStepDepth++ == 0)
    {
        view.m_pendingStepName.clear();
        view.m_bGestureStep = ofGesture;
        view.m_pModel->BeginEdit();
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
    const TableState& before = m_pModel->EditStart();
    const TableState& after = m_pModel->State();
    // A named command is a step of its own; the changes of one drag or held key merge.
    const QString name = stepName.isEmpty() ? StepName(before.setUp, after.setUp, !(after.list == before.list)) : stepName;
    m_bCommitting = true;
    m_pModel->CommitEdit(name, stepName.isEmpty() && m_bGestureStep ? m_nGesture : 0);
    m_bCommitting = false;
}

void CMirobeltView::OnModelChanged(const TableSetUp&, SetUpParts parts)
{
    if (m_bCommitting || m_pModel->Editing())
        return;  // the view's own change: drawn already
    m_bAnimating = 0;
    m_nAnimTick = 0;
    StopPlayLoop();
    m_bSetupChanged = 1;
    if (parts & kTableFormatPart)
    {
        CDC* dc = AcquireWindowDC();
        dc->FillSolidRect(0, 0, m_nDrawWidth, m_nDrawHeight, kWhiteColour);  // nothing of the old table stays
        ReleaseWindowDC(dc);
    }
    OnDraw(nullptr);
}
