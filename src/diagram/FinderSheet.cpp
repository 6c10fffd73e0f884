#include "diagram/FinderSheet.h"

#include "diagram/PaintingSession.h"

ExerciseSheet SheetOfSolutions(const CMirobeltDoc& prototype, int tableFormat, const ShotSetup& position, Game game,
                               const std::vector<Solution>& solutions, const std::string& title)
{
    ExerciseSheet sheet;
    sheet.title = title;
    sheet.gameTitle = GameTitle(game);
    sheet.geometry = prototype.m_geometry;
    sheet.tableFormat = tableFormat;
    sheet.position = position;
    for (std::size_t k = 0; k < solutions.size(); ++k)
    {
        const Solution& s = solutions[k];
        SheetSolution entry;
        entry.rank = static_cast<int>(k + 1);
        entry.stroke = StrokeOf(s.setup);
        entry.stroke.aimDegrees = s.aimDegrees;
        entry.windowDegrees = s.windowDegrees;
        entry.firstBall = s.outcome.firstBall;
        entry.cushionLetters = s.outcome.cushionPath;
        entry.shot = ComputeShot(prototype, s.setup);
        sheet.solutions.push_back(std::move(entry));
    }
    return sheet;
}

bool WriteSolutionSheet(const std::string& path, const CMirobeltDoc& prototype, int tableFormat,
                        const ShotSetup& position, Game game,
                        const std::vector<Solution>& solutions, const std::string& title)
{
    const PaintingSession painting;
    return WriteExerciseSheet(SheetOfSolutions(prototype, tableFormat, position, game, solutions, title), path);
}
