// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The map of scoring aims for the window: computes it on a thread of its own
// (see LiveAimMap), restarts on every new request and hands the arcs of the
// latest one to the window's thread.

#include <QObject>

#include <memory>
#include <vector>

#include "finder/AimMap.h"

class AimMapController : public QObject
{
    Q_OBJECT

public:
    explicit AimMapController(QObject* parent = nullptr, int threads = 0);
    ~AimMapController() override;

    // Maps setup's stroke in game; a computation running is dropped.
    void Request(const CMirobeltDoc& prototype, const ShotSetup& setup, Game game);
    // Stops the computation running and forgets the arcs (mapReady with none).
    void Clear();

    // The arcs of the latest map, from the direction 0 round the circle.
    const std::vector<AimArc>& Arcs() const { return m_arcs; }
    bool Computing() const { return m_live->Busy() || m_waiting; }

signals:
    void mapReady(const std::vector<AimArc>& arcs);

private:
    void Take(std::uint64_t generation, const AimMap& map);

    std::vector<AimArc> m_arcs;
    bool m_waiting = false;  // a request whose map has not come yet
    std::unique_ptr<LiveAimMap> m_live;  // last: its thread ends first
};
