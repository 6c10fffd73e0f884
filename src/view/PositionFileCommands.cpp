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
    PositionValues values = SetUp().ToPositionValues();
    const PositionReadResult result = ReadPositionFile(LocalPath(path), values);
    if (result != PositionReadResult::Read)
    {
        emit statusMessage(OpenFailureNote(result).arg(QFileInfo(path).fileName()));
        return;
    }

    ModelStep step(*this, tr("l'ouverture de %1").arg(QFileInfo(path).fileName()));
    // The position opens on the table it was saved on, as a list entry does;
    // a format the table does not know leaves the table as it is.
    const int tableFormat = SetUp().tableFormat;
    EditSetUp() = TableSetUp::FromPositionValues(values, tableFormat);
    if (SetUp().tableFormat != tableFormat)
        ApplyTableFormat(SetUp().tableFormat);
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
    if (WritePositionFile(LocalPath(path), header, SetUp().ToPositionValues()))
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
