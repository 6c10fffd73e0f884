// SPDX-License-Identifier: GPL-3.0-or-later
// The D key: the trajectories of the last computed shot to "trajectoires.txt".

#include "positions/TrajectoryExport.h"
#include "view/MirobeltView.h"

void CMirobeltView::ExportTrajectories()
{
    if (!WriteTrajectoryExport(kTrajectoryExportFileName, m_pDoc->m_physics.m_traj))
        emit statusMessage(tr("Impossible d'ecrire %1").arg(QString::fromLatin1(kTrajectoryExportFileName)));
}
