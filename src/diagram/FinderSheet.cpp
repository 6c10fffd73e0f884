// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/FinderSheet.h"

#include <QCoreApplication>

#include "diagram/PaintingSession.h"

QString GameName(Game game)
{
    // The names GameTitle gives, in words lupdate can gather.
    switch (game)
    {
    case Game::UneBande:
        return QCoreApplication::translate("Game", "Une bande");
    case Game::TroisBandes:
        return QCoreApplication::translate("Game", "Trois bandes");
    case Game::Libre:
        break;
    }
    return QCoreApplication::translate("Game", "Libre");
}

ExerciseSheet SheetOfSolutions(const CMirobeltDoc& prototype, int tableFormat, const ShotSetup& position, Game game,
                               const std::vector<Solution>& solutions, const std::string& title)
{
    ExerciseSheet sheet;
    sheet.title = title;
    sheet.gameTitle = GameName(game).toStdString();
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
