// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <regex>

#include "../positions/TestFiles.h"
#include "FinderFixture.h"
#include "positions/ToolInput.h"

#ifdef MIROBELT_SOLVE_TOOL

namespace
{

// The tool in its own language, French, whatever language the user's settings hold.
ToolRun Solve(const TempFolder& folder, const std::vector<std::string>& args)
{
    setenv("MIROBELT_LANG", "fr", 1);
    return folder.Run(MIROBELT_SOLVE_TOOL, args);
}

PositionValues CannonFile(double force, double tableFormat = 3)
{
    const ShotSetup s = CannonSetup(force);
    return {s.balls[1].x, s.balls[1].y, s.balls[0].x, s.balls[0].y, s.balls[2].x, s.balls[2].y, 0, 0, 0,
            force, 1, 0, 0, 0, 0, 150, tableFormat};
}

std::vector<std::string> Matches(const std::string& text, const std::string& pattern)
{
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

TEST(SolveTool, BadInputIsStatusTwoWithOneLine)
{
    TempFolder folder;
    PositionValues noCue = CannonFile(0.2), nan = CannonFile(0.2);
    noCue.cueBall = 7;
    nan.redY = NAN;
    const std::pair<const char*, PositionValues> inputs[] = {
        {"p.bi1", CannonFile(0.2)}, {"nocue.bi1", noCue}, {"nan.bi1", nan}, {"force.bi1", CannonFile(1e6)}};
    for (const auto& [name, v] : inputs)
        ASSERT_TRUE(WritePositionFile(folder / name, kSaveAsHeader, v));
    WriteText(folder / "text.bi1", "Xyz\n1\n");
    std::vector<std::vector<std::string>> bad = {
        {}, {"p.bi1"}, {"p.bi1", "--game", "carambole"}, {"p.bi1", "--game"},
        {"p.bi1", "--game", "libre", "--top", "0"}, {"p.bi1", "--game", "libre", "--threads", "x"},
        {"p.bi1", "--game", "libre", "--bogus"}};
    for (const char* file : {"absent.bi1", ".", "text.bi1", "nocue.bi1", "nan.bi1", "force.bi1"})
        bad.push_back({file, "--game", "libre"});
    // In French, like the rest of the program: what the first three files' lines say.
    const std::map<std::string, std::string> said = {
        {"absent.bi1", "introuvable"}, {".", "est un dossier"}, {"text.bi1", "n'est pas un fichier de position"}};
    for (const auto& args : bad)
    {
        const ToolRun run = Solve(folder, args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        if (!args.empty() && said.count(args[0]))
        {
            EXPECT_NE(run.err.find(said.at(args[0])), std::string::npos) << run.err;
        }
    }
    EXPECT_EQ(Solve(folder, {"--help"}).status, 0);
}

TEST(SolveTool, JsonListsSolutionFilesThatReopenToTheSetUpAndScore)
{
    TempFolder folder;
    PositionValues input = CannonFile(0.2);
    input.strikeHeight = 0.3;  // below the centre: draw, shown as -0.3
    ASSERT_TRUE(WritePositionFile(folder / "p.bi1", kSaveAsHeader, input));
    const ToolRun run = Solve(folder, {"p.bi1", "--game", "libre", "--aim-only", "--top", "3", "--json", "-o", "out"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"game\": \"libre\", \"search\": \"visee-seule\", \"evaluated\": ", 0), 0u) << run.out;
    const std::vector<std::string> files = Matches(run.out, "\"file\": \"([^\"]*)\""),
                                   aims = Matches(run.out, "\"aim_deg\": ([-0-9.]+)"),
                                   sides = Matches(run.out, "\"cushion_sides\": \"([^\"]*)\""),
                                   counts = Matches(run.out, "\"cushions_before_second\": ([0-9]+)"),
                                   heights = Matches(run.out, "\"strike_height\": ([-0-9.]+)");
    ASSERT_FALSE(files.empty());
    EXPECT_LE(files.size(), 3u);
    for (const char* key : {"rank", "window_deg", "first_ball", "cushions_before_second", "cushion_sides", "force", "strike_height",
                            "strike_side", "raise"})
        EXPECT_EQ(Matches(run.out, std::string("\"") + key + "\": ([^,]+),").size(), files.size()) << key;
    ASSERT_EQ(sides.size(), files.size());
    for (std::size_t k = 0; k < files.size(); ++k)
    {
        EXPECT_TRUE(std::regex_match(sides[k], std::regex("[GDHB]*"))) << sides[k];
        EXPECT_EQ(sides[k].size(), std::stoul(counts[k]));
        EXPECT_EQ(heights[k], "-0.300000");
        EXPECT_EQ(files[k], "out/solution-" + std::to_string(k + 1) + ".bi1");
        PositionValues v;
        int read = 0;
        ASSERT_EQ(ReadToolPosition(folder / files[k], v, read), PositionReadResult::Read) << files[k];
        // The input with the aim from the white ball's centre, one metre long, in the listed direction.
        PositionValues expected = input;
        expected.aimOriginX = input.whiteX, expected.aimOriginY = input.whiteY;
        expected.aimTargetX = v.aimTargetX, expected.aimTargetY = v.aimTargetY;
        EXPECT_EQ(FormatPositionFile(kSaveAsHeader, v), FormatPositionFile(kSaveAsHeader, expected));
        const double dx = v.aimTargetX - v.aimOriginX, dy = v.aimTargetY - v.aimOriginY;
        EXPECT_NEAR(std::hypot(dx, dy), 1, 1e-5);
        EXPECT_NEAR(std::fmod(std::atan2(dy, dx) * 180 / M_PI + 360, 360), std::stod(aims[k]), 1e-5);
        const ShotSetup setup{v.force, v.strikeHeight, 0, 0, v.strikeMode, v.cueBall, v.aimOriginX, v.aimOriginY, v.aimTargetX,
                              v.aimTargetY, {{v.whiteX, v.whiteY}, {v.redX, v.redY}, {v.spottedX, v.spottedY}}};
        EXPECT_EQ(FullVerdict(setup, Game::Libre, 3), Verdict::Scored) << files[k];
    }

    // No force, no shot: an empty list is no error.
    ASSERT_TRUE(WritePositionFile(folder / "still.bi1", kSaveAsHeader, CannonFile(0)));
    const ToolRun none = Solve(folder, {"still.bi1", "--game", "trois-bandes", "--aim-only", "--json"});
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.out.find("\"solutions\": []}"), std::string::npos) << none.out;
}

}  // namespace

#endif
