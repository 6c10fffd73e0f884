// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ShotDiagram.h"

#include <memory>

#include "sim/ContactReceiver.h"
#include "sim/MirobeltDoc.h"

namespace
{
// Keeps where the cue ball was at each of its contacts: the working state
// of the physics at the moment the response is applied.
class ContactPlaces final : public ContactReceiver
{
public:
    ContactPlaces(const CShotPhysics& physics, int cueBall, ComputedShot& shot)
        : m_physics(physics), m_cueBall(cueBall), m_shot(shot)
    {
    }

    bool OnContact(const Contact& contact) override
    {
        const bool byCueBall = contact.ball == m_cueBall;
        if (!byCueBall && contact.other != m_cueBall)
            return false;
        const TablePoint place{m_physics.m_work[m_cueBall].x, m_physics.m_work[m_cueBall].y};
        if (contact.IsCushion())
        {
            m_shot.cushionContacts.push_back(place);
            return false;
        }
        const int objectBall = byCueBall ? contact.other : contact.ball;
        if (objectBall >= 0 && objectBall < 3 && !m_met[objectBall])
        {
            m_met[objectBall] = true;
            m_shot.objectBallContacts.push_back(place);
            m_shot.objectBallPlaces.push_back({m_physics.m_work[objectBall].x, m_physics.m_work[objectBall].y});
        }
        return false;
    }

    bool OnSample(const CShotPhysics&) override { return false; }

private:
    const CShotPhysics& m_physics;
    int m_cueBall;
    ComputedShot& m_shot;
    bool m_met[3] = {false, false, false};
};
}  // namespace

ComputedShot ComputeShot(const CMirobeltDoc& prototype, const ShotSetup& setup)
{
    ComputedShot shot;
    shot.cueBall = setup.cueBall >= 1 && setup.cueBall <= 3 ? setup.cueBall - 1 : 0;
    auto doc = std::make_unique<CMirobeltDoc>(prototype);
    doc->m_physics.m_bWatchesPointer = false;
    ContactPlaces places(doc->m_physics, shot.cueBall, shot);
    doc->m_physics.m_pContacts = &places;
    doc->SetShotRequest(setup);
    doc->RunShot();
    doc->m_physics.m_pContacts = nullptr;
    for (int b = 0; b < 3; ++b)
        shot.paths[b] = ShownTrajectory(doc->m_physics.m_traj[b]);
    return shot;
}

void AddShot(TableDiagram& diagram, const ShotSetup& setup, const ComputedShot& shot)
{
    for (int b = 0; b < 3; ++b)
    {
        diagram.balls[b].x = setup.balls[b].x;
        diagram.balls[b].y = setup.balls[b].y;
        diagram.trajectories[b] = shot.paths[b];
    }
    diagram.notes.cueBall = shot.cueBall;
    diagram.notes.cushionContacts = shot.cushionContacts;
    diagram.notes.objectBallContacts = shot.objectBallContacts;
    diagram.notes.objectBallPlaces = shot.objectBallPlaces;
}

TableDiagram DiagramOfShot(CMirobeltDoc& doc, const ShotSetup& setup, int tableFormat, bool colour)
{
    TableDiagram d = MakeTableDiagram(doc.m_geometry, tableFormat, colour);
    AddShot(d, setup, ComputeShot(doc, setup));
    return d;
}
