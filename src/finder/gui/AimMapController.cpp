// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/gui/AimMapController.h"

#include <QMetaObject>

AimMapController::AimMapController(QObject* parent, int threads) : QObject(parent)
{
    m_live = std::make_unique<LiveAimMap>(
        [this](std::uint64_t generation, const AimMap& map) {
            // On the map's thread: the arcs go to the window's thread by its event queue.
            QMetaObject::invokeMethod(this, [this, generation, map] { Take(generation, map); }, Qt::QueuedConnection);
        },
        threads);
}

AimMapController::~AimMapController() { m_live.reset(); }

void AimMapController::Request(const CMirobeltDoc& prototype, const ShotSetup& setup, Game game)
{
    m_waiting = true;
    m_live->Request(prototype, setup, game);
}

void AimMapController::Clear()
{
    m_live->Cancel();
    m_waiting = false;
    m_arcs.clear();
    emit mapReady(m_arcs);
}

void AimMapController::Take(std::uint64_t generation, const AimMap& map)
{
    if (generation != m_live->Generation())
        return;  // a newer request is on its way
    m_waiting = false;
    m_arcs = map.arcs;
    emit mapReady(m_arcs);
}
