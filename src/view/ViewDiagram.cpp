// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewDiagram.h"

#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

DiagramLayout LayoutOfView(const CMirobeltView& view)
{
    DiagramLayout layout;
    layout.ballRadiusPx = view.m_nBallRadiusPx;
    layout.tableLengthPx = view.m_nTableLengthPx;
    layout.tableWidthPx = view.m_nTableWidthPx;
    layout.cushionPx = view.m_nCushionPx;
    layout.marginPx = view.m_nMarginPx;
    layout.originPx = view.m_nOriginPx;
    layout.pixPerMetre = view.m_dPixPerMetreX;
    return layout;
}

TableDiagram DiagramOfView(CMirobeltView& view, bool withTrajectories)
{
    CMirobeltDoc& doc = *view.GetDocument();
    TableDiagram d;
    d.geometry = doc.m_geometry;
    d.layout = LayoutOfView(view);
    d.tableFormat = view.SetUp().tableFormat;
    d.frameStyle = view.m_nFrameStyle;
    d.railColour = view.m_crRail;
    d.clothColour = view.m_crCloth;
    d.showMarkers = g_bShowMarkers != 0;
    for (const CMarker& marker : view.m_markers)
        d.markers.push_back({marker.x, marker.y, false, marker.pPen->Colour(), marker.pBrush->Colour()});
    for (int b = 0; b < 3; ++b)
    {
        const CViewBall& ball = view.m_balls[b];
        const BallPlace& place = view.SetUp().balls[b];
        d.balls[b] = DiagramBall{place.x, place.y, ball.pPen->Colour(), ball.pBrush->Colour()};
        d.trajectoryColours[b] = TrajectoryPen(b)->Colour();
        if (withTrajectories)
            d.trajectories[b] = ShownTrajectory(doc.m_physics.m_traj[b]);
    }
    return d;
}
