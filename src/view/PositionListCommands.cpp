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

// Entry values are single precision and may come from a hand-made file: a
// value that no int can hold (NaN, infinite, huge) gives fallback instead of
// an undefined conversion.
int TruncateToInt(float value, int fallback)
{
    if (!std::isfinite(value))
        return fallback;
    const double truncated = std::trunc(static_cast<double>(value));
    if (truncated < static_cast<double>(std::numeric_limits<int>::min()) ||
        truncated > static_cast<double>(std::numeric_limits<int>::max()))
        return fallback;
    return static_cast<int>(truncated);
}

}  // namespace

PositionEntry CMirobeltView::MakePositionEntry() const
{
    const CViewBall& white = m_balls[0];
    const CViewBall& red = m_balls[1];
    const CViewBall& spotted = m_balls[2];
    PositionEntry entry;
    float* v = entry.v;
    v[0] = static_cast<float>(red.x);
    v[1] = static_cast<float>(red.y);
    v[2] = static_cast<float>(white.x);
    v[3] = static_cast<float>(white.y);
    v[4] = static_cast<float>(spotted.x);
    v[5] = static_cast<float>(spotted.y);
    v[6] = static_cast<float>(m_dStrikeHeight);
    v[7] = static_cast<float>(m_dStrikeSide);
    v[8] = static_cast<float>(m_dRaiseAngle);
    v[9] = static_cast<float>(m_nCueBall);
    v[10] = static_cast<float>(m_aim.dOriginX);
    v[11] = static_cast<float>(m_aim.dTargetX);
    v[12] = static_cast<float>(m_aim.dOriginY);
    v[13] = static_cast<float>(m_aim.dTargetY);
    v[14] = static_cast<float>(m_dForce);
    v[15] = static_cast<float>(m_dStrikeMode);
    v[16] = static_cast<float>(m_dTableFormat);
    return entry;
}

void CMirobeltView::LoadPositionEntry(const PositionEntry& entry)
{
    const float* v = entry.v;
    m_balls[1].x = v[0];
    m_balls[1].y = v[1];
    m_balls[0].x = v[2];
    m_balls[0].y = v[3];
    m_balls[2].x = v[4];
    m_balls[2].y = v[5];
    m_dStrikeHeight = v[6];
    m_dStrikeSide = v[7];
    m_dRaiseAngle = v[8];
    m_nCueBall = TruncateToInt(v[9], 0);  // 0 strikes no ball
    m_aim.dOriginX = v[10];
    m_aim.dTargetX = v[11];
    m_aim.dOriginY = v[12];
    m_aim.dTargetY = v[13];
    m_dForce = v[14];
    m_dStrikeMode = v[15];
    // A format the table does not know stays out: the set-up keeps the current one.
    const int format = TruncateToInt(v[16], -1);
    m_dTableFormat = IsValidTableFormat(format) ? format : g_nTableFormat;
}

void CMirobeltView::RecordPosition()
{
    ModelStep step(*this, tr("l'ajout de la position à la liste"));
    m_dTableFormat = g_nTableFormat;
    RecordPositionEntry(m_aPositions, m_nPositionCount, m_nCurPosition, MakePositionEntry(), true);
}

void CMirobeltView::GoToPosition()
{
    if (m_nCurPosition < 0 || m_nCurPosition >= m_nPositionCount || m_nCurPosition >= kPositionListSlots)
        return;

    LoadPositionEntry(m_aPositions[m_nCurPosition]);

    // The entry's table format becomes the table's, whatever the animation is doing.
    g_nTableFormat = static_cast<int>(m_dTableFormat);
    ApplyTableFormat();

    m_bAnimating = 0;
    m_nAnimTick = 0;
    StopPlayLoop();
    m_bSetupChanged = 1;

    CDC* dc = AcquireWindowDC();
    DrawTable(*dc, m_pDoc->m_geometry);
    DrawBalls(*dc);
    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, m_dStrikeHeight, m_dStrikeSide, m_dStrikeMode);
    m_aimAid.Draw(*this, *dc, m_aim, m_nDrawWidth, m_nDrawHeight);
    DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, m_dForce);
    DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, m_dRaiseAngle);
    ReleaseWindowDC(dc);
}

void CMirobeltView::OnPositionPrev()
{
    ModelStep step(*this, tr("le retour à la position précédente"));
    if (m_nPositionCount <= 0)
        return;
    if (m_nCurPosition < 0)
    {
        // Nothing shown yet: step back onto the last entry.
        m_nCurPosition = m_nPositionCount - 1;
        GoToPosition();
        return;
    }
    if (m_nCurPosition > 0)
        --m_nCurPosition;
    GoToPosition();
}

void CMirobeltView::OnPositionNext()
{
    ModelStep step(*this, tr("le passage à la position suivante"));
    if (m_nCurPosition < m_nPositionCount - 1 && m_nPositionCount >= 0)
    {
        ++m_nCurPosition;
        GoToPosition();
    }
}

void CMirobeltView::OnPositionDelete()
{
    ModelStep step(*this, tr("la suppression de la dernière position"));
    if (m_nPositionCount <= 0)
        return;
    OnPositionPrev();
    // The last entry leaves the list; the others stay where they are.
    --m_nPositionCount;
    if (m_nPositionCount == 0)
    {
        m_nCurPosition = -1;
    }
    else if (m_nCurPosition > m_nPositionCount - 1)
    {
        // The entry just shown was the one removed: show the new last one.
        m_nCurPosition = m_nPositionCount - 1;
        GoToPosition();
    }
}

void CMirobeltView::OnPlayAndNext()
{
    ModelStep step(*this, tr("le passage à la position suivante"));
    bool startedOver = false;
    if (m_nDemoTimer != 0)
    {
        StartDemoTimer();  // a new period from now
        // Past the last entry the demonstration starts over at entry 0.
        if (m_nCurPosition >= m_nPositionCount - 1)
        {
            startedOver = m_nCurPosition >= 0;
            m_nCurPosition = -1;
        }
    }
    if (m_nCurPosition < m_nPositionCount - 1 && m_nPositionCount >= 0)
    {
        ++m_nCurPosition;
        GoToPosition();
        // The demonstration shows each position before its shot, entry 0 too
        // when it comes again; only the very first shot starts at once. The
        // window goes on handling its events meanwhile: a key or a left press
        // cancels the shot to come.
        if (m_nDemoTimer != 0 && (m_nCurPosition > 0 || startedOver))
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
    const bool written = WriteDemoSequence(LocalPath(path), m_aPositions, m_nPositionCount);
    if (written)
        m_pModel->MarkListSaved();
    emit statusMessage(written ? tr("Liste de %1 positions enregistrée dans %2").arg(m_nPositionCount).arg(name)
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
        std::copy(read.begin(), read.end(), m_aPositions);
        StopPlayLoop();
        m_nPositionCount = count;
        m_nCurPosition = -1;
        if (m_nPositionCount > 0)
            OnPositionNext();
        else
            OnDraw(nullptr);  // the panes show the empty list
    }
    m_pModel->MarkListSaved();
    emit statusMessage(tr("%1 positions lues dans %2").arg(count).arg(name));
}
