#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "positions/PositionFile.h"
#include "positions/TrajectoryExport.h"
#include "sim/MirobeltDoc.h"

#ifdef MIROBELT_SHOT_TOOL

namespace
{

struct ToolRun { int status = -1; std::string out, err; };

// Runs the tool with folder as its working folder.
ToolRun RunTool(const TempFolder& folder, const std::vector<std::string>& args)
{
    const std::string out = folder / ".out", err = folder / ".err";
    std::string command = "cd '" + folder / "." + "' && '" MIROBELT_SHOT_TOOL "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

// White plays onto the red with side and draw; the balls reach the cushions.
PositionValues Shot(double tableFormat = 2)
{
    return {1.8, 0.4, 0.6, 0.7, 1.2, 0.9, -0.3, 0.2, 5, 0.8, 1, 0.6, 1.8, 0.7, 0.4, 50, tableFormat};
}

// The tool's computation, done here through the simulation itself.
std::string Expected(const PositionValues& v, int format, bool full = false)
{
    auto doc = std::make_unique<CMirobeltDoc>(nullptr);
    doc->ApplyTableFormat(format);
    g_nTableFormat = format;
    g_bNoMouseAbort = 1;
    doc->SetShotRequest({.force = v.force, .strikeHeight = v.strikeHeight, .strikeSide = v.strikeSide,
                         .raiseAngle = v.raiseAngle, .strikeMode = v.strikeMode, .cueBall = v.cueBall,
                         .aimOriginX = v.aimOriginX, .aimOriginY = v.aimOriginY, .aimTargetX = v.aimTargetX,
                         .aimTargetY = v.aimTargetY,
                         .balls = {{v.whiteX, v.whiteY}, {v.redX, v.redY}, {v.spottedX, v.spottedY}}});
    doc->RunShot();
    return FormatTrajectoryExport(doc->m_physics.m_traj, full);
}

std::string Save(const TempFolder& folder, const PositionValues& v, const std::string& name = "shot.bi1")
{
    EXPECT_TRUE(WritePositionFile(folder / name, kSaveAsHeader, v));
    return folder / name;
}

}  // namespace

TEST(ShotTool, PrintsTheTrajectoriesOfThePositionWithTheGivenOptions)
{
    TempFolder folder;
    const ToolRun run = RunTool(folder, {Save(folder, Shot())});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Expected(Shot(), 2));
    EXPECT_GT(std::count(run.out.begin(), run.out.end(), '\n'), 100);
    // Without --tuning no tuning file is read or created.
    EXPECT_EQ(folder.Listing(), "shot.bi1;");

    // Full precision, to an output file.
    const ToolRun full = RunTool(folder, {"--full", "shot.bi1", "-o", "out.txt"});
    EXPECT_EQ(full.status, 0) << full.err;
    EXPECT_EQ(full.out, "");
    EXPECT_EQ(ReadText(folder / "out.txt"), Expected(Shot(), 2, true));
    EXPECT_NE(run.out, Expected(Shot(), 2, true));

    // A tuning file given is created when missing, and used.
    const ToolRun created = RunTool(folder, {"shot.bi1", "--tuning", "tuning.prm"});
    EXPECT_EQ(created.out, run.out);
    EXPECT_EQ(folder.Listing(), "out.txt;shot.bi1;tuning.prm;");
    WriteText(folder / "tuning.prm", "50\n");
    EXPECT_NE(RunTool(folder, {"shot.bi1", "--tuning", "tuning.prm"}).out, run.out);
}

TEST(ShotTool, TableFormatComesFromTheLastValue)
{
    TempFolder folder;
    const ToolRun half = RunTool(folder, {Save(folder, Shot(0))});
    EXPECT_EQ(half.out, Expected(Shot(0), 0));
    EXPECT_NE(half.out, Expected(Shot(0), 2));

    // A value that names no format, or a file that stops before it: the full table.
    for (double bad : {4.0, 1.5, -1.0})
        EXPECT_EQ(RunTool(folder, {Save(folder, Shot(bad))}).out, Expected(Shot(), 2)) << bad;
    std::string shortened = FormatPositionFile(kSaveAsHeader, Shot(0));
    WriteText(folder / "short.bi1", shortened.substr(0, shortened.rfind("0.000000")));
    EXPECT_EQ(RunTool(folder, {"short.bi1"}).out, Expected(Shot(), 2));
}

TEST(ShotTool, BadInputGivesStatusTwoAndOneLine)
{
    TempFolder folder;
    const std::string good = Save(folder, Shot());
    WriteText(folder / "other.txt", "Position\n1\n2\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"missing.bi1"}, {"other.txt"}, {}, {good, "--bogus"}, {good, "-o"}, {good, good}})
    {
        const ToolRun run = RunTool(folder, args);
        const std::string shown = args.empty() ? "(none)" : args.back();
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(run.err.rfind("mirobelt-shot: ", 0), 0u) << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown;
    }
    EXPECT_EQ(RunTool(folder, {good, "-o", "no/folder/out.txt"}).status, 1);

    const ToolRun help = RunTool(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: mirobelt-shot POSITION.bi1", 0), 0u);
}

TEST(ShotTool, HostileValuesAreComputedToTheFullBuffers)
{
    TempFolder folder;
    PositionValues hostile = Shot();
    hostile.force = 1e300;
    const ToolRun huge = RunTool(folder, {Save(folder, hostile)});
    EXPECT_EQ(huge.status, 0);
    EXPECT_EQ(huge.out, Expected(hostile, 2));
    // The white ball's section announces a full buffer.
    EXPECT_NE(huge.out.find("\n20000\n"), std::string::npos);

    WriteText(folder / "nan.bi1", "B\n1\nnan\n");
    const ToolRun undefined = RunTool(folder, {"nan.bi1"});
    EXPECT_EQ(undefined.status, 0);
    EXPECT_EQ(undefined.err, "");
}

#endif  // MIROBELT_SHOT_TOOL
