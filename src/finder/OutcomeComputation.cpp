// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/OutcomeComputation.h"

#include "sim/ShotComputation.h"

namespace
{

class Outcomes final : public OutcomeComputation
{
public:
    Outcomes(const PhysicsSetting& setting, ComputeMode mode, Game game, int cueBall)
        : m_computation(setting), m_mode(mode), m_earlyLog(game, cueBall - 1, true), m_fullLog(game, cueBall - 1, false)
    {
    }

    ShotOutcome Evaluate(const ShotSetup& setup, bool endEarly) override
    {
        ContactLog& log = endEarly ? m_earlyLog : m_fullLog;
        log.Restart();
        m_computation.Run(setup, m_mode, &log);
        return OutcomeOf(log);
    }

private:
    ShotComputation m_computation;
    ComputeMode m_mode;
    ContactLog m_earlyLog;
    ContactLog m_fullLog;
};

}  // namespace

std::unique_ptr<OutcomeComputation> MakeScreeningOutcomes(const PhysicsSetting& setting, Game game, int cueBall)
{
    return std::make_unique<Outcomes>(setting, ComputeMode::Screening, game, cueBall);
}

std::unique_ptr<OutcomeComputation> MakeExactOutcomes(const PhysicsSetting& setting, Game game, int cueBall)
{
    return std::make_unique<Outcomes>(setting, ComputeMode::Exact, game, cueBall);
}
