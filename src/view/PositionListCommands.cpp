// SPDX-License-Identifier: GPL-3.0-or-later
// The position list of the table view: recording the set-up, stepping
// through the entries, deleting, playing one entry after another, and keeping
// the list in a sequence file of the demonstration's format.

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "positions/DemoFile.h"
#include "positions/gui/FileChooser.h"
#include "render/DrawingToolkit.h"
#include "sim/TableGeometry.h"
#include "view/MirobeltView.h"

namespace
{

// How long the demonstration shows a position before playing its shot.
constexpr int kDemoPauseMs = 2000;

}  // namespace

void CMirobeltView::RecordPosition()
{
    ModelStep step(*this, tr("l'ajout de la position à la liste"));
    EditList().Record(SetUp().ToEntry());
}

void CMirobeltView::GoToPosition()
{
    ModelStep step(*this);
    if (!List().ShowsAnEntry())
        return;

    // A format the table does not know stays out: the table keeps its own.
    const TableSetUp entry = TableSetUp::FromEntry(List().Entry(List().Current()), SetUp().tableFormat);
    EditSetUp() = entry;

    // The entry's table format becomes the table's, whatever the animation is doing.
    ApplyTableFormat(entry.tableFormat);

    m_bAnimating = 0;
    m_nAnimTick = 0;
    StopPlayLoop();
    m_bSetupChanged = 1;

    CDC* dc = AcquireWindowDC();
    DrawTable(*dc, m_pDoc->m_geometry);
    DrawBalls(*dc);
    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);
    const TableSetUp& setUp = SetUp();
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, setUp.strikeHeight, setUp.strikeSide, setUp.strikeMode);
    m_aimAid.Draw(*this, *dc, setUp.aim, m_nDrawWidth, m_nDrawHeight);
    DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, setUp.force);
    DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, setUp.raiseAngle);
    ReleaseWindowDC(dc);
}

void CMirobeltView::OnPositionPrev()
{
    ModelStep step(*this, tr("le retour à la position précédente"));
    if (EditList().StepBack())
        GoToPosition();
}

void CMirobeltView::OnPositionNext()
{
    ModelStep step(*this, tr("le passage à la position suivante"));
    if (EditList().StepForward())
        GoToPosition();
}

void CMirobeltView::OnPositionDelete()
{
    ModelStep step(*this, tr("la suppression de la dernière position"));
    if (List().Count() <= 0)
        return;
    OnPositionPrev();
    // The last entry leaves the list; the others stay where they are. When
    // the entry just shown was the one removed, the new last one is shown.
    if (EditList().DropLast())
        GoToPosition();
}

void CMirobeltView::OnPlayAndNext()
{
    ModelStep step(*this, tr("le passage à la position suivante"));
    bool startedOver = false;
    if (m_nDemoTimer != 0)
    {
        StartDemoTimer();  // a new period from now
        // Past the last entry the demonstration starts over at entry 0.
        if (List().Current() >= List().Count() - 1)
        {
            startedOver = List().Current() >= 0;
            EditList().SetCurrent(-1);
        }
    }
    if (EditList().StepForward())
    {
        GoToPosition();
        // The demonstration shows each position before its shot, entry 0 too
        // when it comes again; only the very first shot starts at once. The
        // window goes on handling its events meanwhile: a key or a left press
        // cancels the shot to come.
        if (m_nDemoTimer != 0 && (List().Current() > 0 || startedOver))
            m_playback.StartPause(kDemoPauseMs);
        else
            OnShotPlay();
    }
}

void CMirobeltView::OnPositionListSave()
{
    const QString path = m_chooseSavePath ? m_chooseSavePath() : ChooseFileToSave(this, QStringLiteral("se2"));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const bool written = WriteDemoSequence(LocalPath(path), List().Slots(), List().Count());
    if (written)
        m_pModel->MarkListSaved();
    emit statusMessage(written ? tr("Liste de %1 positions enregistrée dans %2").arg(List().Count()).arg(name)
                               : tr("Impossible d'enregistrer %1").arg(name));
}

// The entries of the file replace the list, and the first one is shown.
void CMirobeltView::OnPositionListLoad()
{
    const QString path = m_chooseOpenPath ? m_chooseOpenPath() : ChooseFileToOpen(this, QStringLiteral("se2"));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    // Read into a list of its own, as a new window starts with: entries the
    // file does not fill are empty, never left over from the current list.
    std::vector<PositionEntry> read(kPositionListSlots);
    int count = 0;
    FileReadResult result = FileReadResult::CannotOpen;
    if (!ReadDemoSequence(LocalPath(path), read.data(), count, &result))
    {
        emit statusMessage((result == FileReadResult::CannotOpen ? tr("Impossible d'ouvrir %1")
                            : result == FileReadResult::IsFolder ? tr("%1 est un dossier")
                                                                  : tr("%1 n'est pas une liste de positions"))
                               .arg(name));
        return;
    }
    {
        ModelStep step(*this, tr("la lecture de la liste des positions"));
        EditList().Replace(read, count);
        StopPlayLoop();
        if (List().Count() > 0)
            OnPositionNext();
        else
            OnDraw(nullptr);  // the panes show the empty list
    }
    m_pModel->MarkListSaved();
    emit statusMessage(tr("%1 positions lues dans %2").arg(count).arg(name));
}
