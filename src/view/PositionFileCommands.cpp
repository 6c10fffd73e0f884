// SPDX-License-Identifier: GPL-3.0-or-later
// Position files "*.bi1": the quick save to "current.bi1", the save under a
// chosen name and the open command.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <string>

#include "positions/gui/FileChooser.h"
#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"
#include "view/MirobeltView.h"

namespace
{

// The status note of a file that could not be opened, %1 for its name.
QString OpenFailureNote(PositionReadResult result)
{
    switch (result)
    {
    case PositionReadResult::CannotOpen:
        return QCoreApplication::translate("CMirobeltView", "Impossible d'ouvrir %1");
    case PositionReadResult::IsFolder:
        return QCoreApplication::translate("CMirobeltView", "%1 est un dossier");
    case PositionReadResult::TooLarge:
        return QCoreApplication::translate("CMirobeltView", "%1 est trop grand pour une position");
    default:
        return QCoreApplication::translate("CMirobeltView", "%1 n'est pas une position");
    }
}

}  // namespace

PositionValues CMirobeltView::CurrentPositionValues() const
{
    return DrawnSetUp().ToPositionValues();
}

void CMirobeltView::ApplyPositionValues(const PositionValues& values)
{
    m_balls[1].x = values.redX;
    m_balls[1].y = values.redY;
    m_balls[0].x = values.whiteX;
    m_balls[0].y = values.whiteY;
    m_balls[2].x = values.spottedX;
    m_balls[2].y = values.spottedY;
    m_dStrikeHeight = values.strikeHeight;
    m_dStrikeSide = values.strikeSide;
    m_dRaiseAngle = values.raiseAngle;
    m_dForce = values.force;
    m_nCueBall = values.cueBall;
    m_aim.dOriginX = values.aimOriginX;
    m_aim.dTargetX = values.aimTargetX;
    m_aim.dOriginY = values.aimOriginY;
    m_aim.dTargetY = values.aimTargetY;
    m_dStrikeMode = values.strikeMode;
    m_dTableFormat = values.tableFormat;
}

void CMirobeltView::OnFileOpen()
{
    StopPlayLoop();

    const QString path = m_chooseOpenPath ? m_chooseOpenPath() : ChooseFileToOpen(this, QStringLiteral("bi1"));
    if (path.isEmpty())
        return;
    OpenPositionFile(path);
}

void CMirobeltView::OpenPositionFile(const QString& path)
{
    // Fields the file does not reach keep their values, the table format included.
    PositionValues values = CurrentPositionValues();
    values.tableFormat = m_dTableFormat;
    const PositionReadResult result = ReadPositionFile(LocalPath(path), values);
    if (result != PositionReadResult::Read)
    {
        emit statusMessage(OpenFailureNote(result).arg(QFileInfo(path).fileName()));
        return;
    }

    ModelStep step(*this, tr("l'ouverture de %1").arg(QFileInfo(path).fileName()));
    ApplyPositionValues(values);
    // The position opens on the table it was saved on, as a list entry does.
    const int format = static_cast<int>(m_dTableFormat);
    if (std::isfinite(m_dTableFormat) && IsValidTableFormat(format) && format != g_nTableFormat)
    {
        g_nTableFormat = format;
        ApplyTableFormat();
    }
    RecordPosition();

    m_bAnimating = 0;
    m_nAnimTick = 0;
    StopPlayLoop();
    m_bSetupChanged = 1;
    g_bNoMouseAbort = 1;
    ComputeShot(0);
    m_bSetupChanged = 0;

    emit positionFileUsed(path);
}

bool CMirobeltView::SavePositionFile(const QString& path, const char* header)
{
    // The new file replaces the old one only once it is complete.
    if (WritePositionFile(LocalPath(path), header, CurrentPositionValues()))
        return true;
    emit statusMessage(tr("Impossible d'enregistrer %1").arg(QFileInfo(path).fileName()));
    return false;
}

void CMirobeltView::OnFileSave()
{
    StopPlayLoop();  // the shot stops where it is; m_bAnimating stays
    SavePositionFile(QString::fromLatin1(kQuickSaveFileName), kQuickSaveHeader);
}

void CMirobeltView::OnFileSaveAs()
{
    StopPlayLoop();

    // The dialog offers the next numbered name, pos0.bi1, pos1.bi1, ...
    const QString path = m_chooseSavePath ? m_chooseSavePath()
                                          : ChooseFileToSave(this, QStringLiteral("bi1"),
                                                             QStringLiteral("pos%1.bi1").arg(m_nSaveCounter));
    if (path.isEmpty())
        return;

    if (SavePositionFile(path, kSaveAsHeader))
    {
        ++m_nSaveCounter;
        emit positionFileUsed(path);
    }
}
