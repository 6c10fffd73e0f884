// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"
#include "setup/TableFormatChange.h"
#include "view/MirobeltView.h"

// The whole picture, in order: table, widgets, aim aids, aim line, balls. The
// drawing context handed in is not used: everything goes to the window's.
void CMirobeltView::OnDraw(CDC*)
{
    CDC* dc = AcquireWindowDC();

    DrawTable(*dc, GetDocument()->m_geometry);

    const TableSetUp& setUp = SetUp();
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, setUp.strikeHeight, setUp.strikeSide, setUp.strikeMode);
    DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, setUp.force);
    DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, setUp.raiseAngle);

    m_aimAid.Draw(*this, *dc, setUp.aim, m_nDrawWidth, m_nDrawHeight);

    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);

    // While a shot is played the playback draws the balls itself.
    if (m_bPlayLoop == 0)
        DrawBalls(*dc);

    ReleaseWindowDC(dc);

    if (!m_bFirstDrawDone)
    {
        m_bFirstDrawDone = true;
        ModelStep step(*this);
        LoadDemoSequence();
        // The list the program starts with is no step to undo.
        m_pModel->SettleEdit();
        m_pModel->MarkListSaved();  // nor a change to save
    }
}

void CMirobeltView::DrawBalls(CDC& dc)
{
    const BallPlace* places = SetUp().balls;
    m_balls[1].Draw(*this, dc, places[1], 0);
    m_balls[0].Draw(*this, dc, places[0], 0);
    m_balls[2].Draw(*this, dc, places[2], 0);
}

void CMirobeltView::OnModeArtistic()
{
    ModelStep step(*this);
    if (!(SetUp().strikeMode < 100))
        return;
    EditSetUp().strikeMode = 150;
    CDC* dc = AcquireWindowDC();
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, SetUp().strikeHeight, SetUp().strikeSide, 150);
    ReleaseWindowDC(dc);
}

void CMirobeltView::OnModeNormal()
{
    ModelStep step(*this);
    if (!(SetUp().strikeMode > 100))
        return;
    EditSetUp().strikeMode = 50;
    CDC* dc = AcquireWindowDC();
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, SetUp().strikeHeight, SetUp().strikeSide, 50);
    ReleaseWindowDC(dc);
}

void CMirobeltView::UseColourLook()
{
    m_crRail = kRailColour;
    m_crSight = kSightColour;
    m_crAimLine = kAimLineColour;
    m_crCloth = kClothColour;
    m_crWhite = kWhiteColour;
    m_crSpottedBall = kSpottedBallColour;
    m_crRedBall = kRedBallColour;
    const CPen* pens[3] = {&g_penWhite, &g_penRedBall, &g_penSpottedBall};
    const CBrush* brushes[3] = {&g_brWhiteBall, &g_brRedBall, &g_brSpottedBall};
    for (int b = 0; b < 3; ++b)
    {
        m_balls[b].pPen = pens[b];
        m_balls[b].pBrush = brushes[b];
    }
}

void CMirobeltView::OnColour()
{
    if (g_bColour != 1)
    {
        UseColourLook();
        g_bColour = 1;
    }
    // The aim line is drawn again whatever changed.
    m_aim.MarkStale(SetUp().aim);
    OnDraw(nullptr);
}

void CMirobeltView::OnMonochrome()
{
    if (g_bColour != 0)
    {
        // The pens and brushes keep the colours they were made with; the
        // balls change to the paper ones instead.
        m_crCloth = kWhiteColour;
        m_crRedBall = kWhiteColour;
        m_crSpottedBall = kWhiteColour;
        m_crRail = kWhiteColour;
        for (CViewBall& ball : m_balls)
        {
            ball.pPen = &g_penLine;
            ball.pBrush = &g_brPaper;
        }
        g_bColour = 0;
    }
    m_aim.MarkStale(SetUp().aim);
    OnDraw(nullptr);
}

void CMirobeltView::OnShowMarkers()
{
    g_bShowMarkers = g_bShowMarkers != 1 ? 1 : 0;
    OnDraw(nullptr);
}

void CMirobeltView::OnFrameStyle()
{
    if (m_bAnimating != 0)
        return;
    m_nFrameStyle = (m_nFrameStyle >= 4 || m_nFrameStyle < 0) ? 0 : m_nFrameStyle + 1;
    OnDraw(nullptr);
}

void CMirobeltView::OnTableFormat()
{
    ModelStep step(*this);
    if (m_bAnimating != 0)
        return;
    ApplyTableFormat(NextTableFormat(SetUp().tableFormat));
}

void CMirobeltView::ApplyTableFormat(int format)
{
    ModelStep step(*this);
    CMirobeltDoc* doc = GetDocument();
    m_pModel->SetTableFormatNow(format);

    const TableSetUp fitted = WithTableFormat(SetUp(), format);
    if (DifferingParts(SetUp(), fitted) & kBallsPart)
    {
        TableSetUp& setUp = EditSetUp();
        setUp = fitted;
        // The aim line stays, and is not drawn again until it moves.
        m_aim.dLastOriginX = setUp.aim.originX;
        m_aim.dLastOriginY = setUp.aim.originY;
        m_aim.dLastTargetX = setUp.aim.targetX;
        m_aim.dLastTargetY = setUp.aim.targetY;
    }

    CDC* dc = AcquireWindowDC();
    dc->FillSolidRect(0, 0, m_nDrawWidth, m_nDrawHeight, kWhiteColour);  // nothing of the old table stays
    DrawTable(*dc, doc->m_geometry);
    ReleaseWindowDC(dc);
    OnDraw(nullptr);
}
