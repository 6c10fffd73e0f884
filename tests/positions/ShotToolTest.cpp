#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "positions/PositionFile.h"
#include "positions/TrajectoryExport.h"
#include "sim/MirobeltDoc.h"
#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

#ifdef MIROBELT_SHOT_TOOL

namespace
{

struct ToolRun
{
    int status = -1;
    std::string out, err;
};

// Runs the tool with folder as its working folder.
ToolRun RunTool(const TempFolder& folder, std::vector<std::string> args)
{
    args.insert(args.begin(), MIROBELT_SHOT_TOOL);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string outPath = folder / ".out", errPath = folder / ".err";
    const pid_t child = fork();
    if (child == 0)
    {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0 && err >= 0 && chdir(folder.path().c_str()) == 0 && dup2(out, 1) >= 0 && dup2(err, 2) >= 0)
            execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(outPath), ReadText(errPath)};
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

// White plays onto the red with side and draw; the balls reach the cushions.
PositionValues Shot(double tableFormat = 2)
{
    return {1.8, 0.4, 0.6, 0.6, 1.2, 0.9, -0.3, 0.2, 5, 0.8, 1, 0.6, 1.8, 0.6, 0.4, 50, tableFormat};
}

// The tool's computation, done here through the simulation itself.
std::string Expected(const PositionValues& v, int format, bool full = false)
{
    auto doc = std::make_unique<CMirobeltDoc>(nullptr);
    doc->ApplyTableFormat(format);
    g_nTableFormat = format;
    g_bNoMouseAbort = 1;
    ShotSetup s;
    s.balls[0] = {v.whiteX, v.whiteY};
    s.balls[1] = {v.redX, v.redY};
    s.balls[2] = {v.spottedX, v.spottedY};
    s.force = v.force;
    s.strikeHeight = v.strikeHeight;
    s.strikeSide = v.strikeSide;
    s.raiseAngle = v.raiseAngle;
    s.strikeMode = v.strikeMode;
    s.cueBall = v.cueBall;
    s.aimOriginX = v.aimOriginX;
    s.aimOriginY = v.aimOriginY;
    s.aimTargetX = v.aimTargetX;
    s.aimTargetY = v.aimTargetY;
    doc->SetShotRequest(s);
    doc->RunShot();
    return FormatTrajectoryExport(doc->m_physics.m_traj, full);
}

std::string Save(const TempFolder& folder, const PositionValues& v, const std::string& name = "shot.bi1")
{
    EXPECT_TRUE(WritePositionFile(folder / name, kSaveAsHeader, v));
    return folder / name;
}

// The most significant digits of a number line of the export.
int MostSignificantDigits(const std::string& text)
{
    int most = 0, digits = 0;
    bool leading = true, exponent = false;
    for (char c : text.substr(text.find('}')))
    {
        if (c == '\n')
            digits = 0, leading = true, exponent = false;
        exponent = exponent || c == 'e';
        if (c >= '0' && c <= '9' && !exponent && !(leading && c == '0'))
            ++digits, leading = false;
        most = std::max(most, digits);
    }
    return most;
}

}  // namespace

TEST(ShotTool, PrintsTheTrajectoriesOfThePosition)
{
    TempFolder folder;
    const ToolRun run = RunTool(folder, {Save(folder, Shot())});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("\n--- Format du Fichier :\n", 0), 0u);
    EXPECT_EQ(run.out, Expected(Shot(), 2));
    EXPECT_GT(std::count(run.out.begin(), run.out.end(), '\n'), 100);
    // Without --tuning no tuning file is read or created.
    EXPECT_EQ(FolderListing(folder.path()), "shot.bi1;");
}

TEST(ShotTool, FullPrecisionToAnOutputFile)
{
    TempFolder folder;
    const ToolRun run = RunTool(folder, {"--full", Save(folder, Shot()), "-o", "out.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string text = ReadText(folder / "out.txt");
    EXPECT_EQ(text, Expected(Shot(), 2, true));
    EXPECT_EQ(MostSignificantDigits(text), 17);
    EXPECT_EQ(MostSignificantDigits(Expected(Shot(), 2)), 6);
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

TEST(ShotTool, TuningFileIsUsedWhenGiven)
{
    TempFolder folder;
    const std::string path = Save(folder, Shot());
    const ToolRun created = RunTool(folder, {path, "--tuning", "tuning.prm"});
    EXPECT_EQ(created.out, Expected(Shot(), 2));
    EXPECT_EQ(FolderListing(folder.path()), "shot.bi1;tuning.prm;");
    WriteText(folder / "tuning.prm", "50\n");
    EXPECT_NE(RunTool(folder, {path, "--tuning", "tuning.prm"}).out, created.out);
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
