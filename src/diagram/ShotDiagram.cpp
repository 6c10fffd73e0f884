#include "diagram/ShotDiagram.h"

#include "sim/MirobeltDoc.h"

TableDiagram DiagramOfShot(CMirobeltDoc& doc, const ShotSetup& setup, int tableFormat, bool colour)
{
    TableDiagram d = MakeTableDiagram(doc.m_geometry, tableFormat, colour);
    for (int b = 0; b < 3; ++b)
    {
        d.balls[b].x = setup.balls[b].x;
        d.balls[b].y = setup.balls[b].y;
        d.trajectories[b] = ShownTrajectory(doc.m_physics.m_traj[b]);
    }
    return d;
}
