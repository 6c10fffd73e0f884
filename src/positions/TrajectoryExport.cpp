// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/TrajectoryExport.h"

#include "positions/NumberFormat.h"
#include "positions/PositionFile.h"

std::string FormatTrajectoryExport(TrajectoryBuffer traj[3], bool fullPrecision)
{
    const int precision = fullPrecision ? 17 : 6;
    const int counts[3] = {traj[0].m_nCount, traj[1].m_nCount, traj[2].m_nCount};

    std::string text =
        "\n--- Format du Fichier :"
        "\n--- Pour chaque bille (Blanche, Rouge Pointee):"
        "\n--- nbcouples { xi yi }";
    for (int b = 0; b < 3; ++b)
    {
        text += '\n';
        AppendInteger(text, counts[b]);
        for (int k = 1; k <= counts[b]; ++k)
        {
            double x = 0, y = 0;
            traj[b].PositionAt(static_cast<std::uint32_t>(k), x, y);
            text += '\n';
            AppendGeneral(text, x, precision);
            text += '\n';
            AppendGeneral(text, y, precision);
        }
    }
    text += '\n';
    return text;
}

bool WriteTrajectoryExport(const std::string& path, TrajectoryBuffer traj[3])
{
    return WriteFileAtomically(path, FormatTrajectoryExport(traj));
}
