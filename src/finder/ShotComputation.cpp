#include "finder/ShotComputation.h"

namespace
{

class ExactComputation final : public ShotComputation
{
public:
    ExactComputation(const CMirobeltDoc& prototype, Game game, int cueBall) : m_evaluator(prototype, game, cueBall) {}
    ShotOutcome Evaluate(const ShotSetup& setup, bool endEarly) override { return m_evaluator.Evaluate(setup, endEarly); }

private:
    ShotEvaluator m_evaluator;
};

}  // namespace

std::unique_ptr<ShotComputation> MakeScreeningComputation(const CMirobeltDoc& prototype, Game game, int cueBall)
{
    return std::make_unique<ExactComputation>(prototype, game, cueBall);
}

std::unique_ptr<ShotComputation> MakeExactComputation(const CMirobeltDoc& prototype, Game game, int cueBall)
{
    return std::make_unique<ExactComputation>(prototype, game, cueBall);
}
