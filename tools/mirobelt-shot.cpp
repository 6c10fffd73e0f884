// mirobelt-shot: computes the shot of a position file and prints the
// trajectories of the three balls in the text of the trajectory export.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "positions/PositionFile.h"
#include "positions/ToolInput.h"
#include "positions/TrajectoryExport.h"
#include "sim/MirobeltDoc.h"
#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

namespace
{

constexpr int kExitFailure = 1;  // the result could not be written
constexpr int kExitBadInput = 2; // bad command line, unreadable position or tuning file

const char kUsage[] =
    "usage: mirobelt-shot POSITION.bi1 [-o FILE] [--tuning FILE] [--full]\n"
    "\n"
    "Computes the shot set up in the position file and writes the trajectories\n"
    "of the white, red and spotted balls as the trajectory export does. Values a\n"
    "file that stops early leaves out are those of a newly started table.\n"
    "\n"
    "  -o FILE          write to FILE (replaced as a whole) instead of the standard output\n"
    "  --tuning FILE    apply the tuning coefficients of FILE (created when missing);\n"
    "                   without it the default coefficients are used and no file is read\n"
    "  --full           write 17 significant digits instead of 6\n"
    "  -h, --help       show this help\n";

struct Options
{
    std::string positionPath;
    std::optional<std::string> outputPath;
    std::optional<std::string> tuningPath;
    bool fullPrecision = false;
    bool help = false;
};

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "mirobelt-shot: %s\n", message.c_str());
    return status;
}

// Returns an error message, empty when the command line is good.
std::string ParseOptions(int argc, char** argv, Options& options)
{
    bool positionSeen = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (!optionsEnded && (arg == "-h" || arg == "--help"))
        {
            options.help = true;
            return {};  // the help is all that is asked for
        }
        else if (!optionsEnded && (arg == "-o" || arg == "--tuning"))
        {
            if (i + 1 >= argc)
                return "option " + arg + " needs a file name (see --help)";
            (arg == "-o" ? options.outputPath : options.tuningPath) = argv[++i];
        }
        else if (!optionsEnded && arg == "--full")
        {
            options.fullPrecision = true;
        }
        else if (!optionsEnded && arg == "--")
        {
            optionsEnded = true;
        }
        else if (!optionsEnded && arg.size() > 1 && arg[0] == '-')
        {
            return "unknown option " + arg + " (see --help)";
        }
        else
        {
            if (positionSeen)
                return "only one position file may be given (see --help)";
            options.positionPath = arg;
            positionSeen = true;
        }
    }
    if (!positionSeen)
        return "no position file given (see --help)";
    return {};
}

ShotSetup SetupOf(const PositionValues& v)
{
    ShotSetup setup;
    setup.balls[0] = {v.whiteX, v.whiteY};
    setup.balls[1] = {v.redX, v.redY};
    setup.balls[2] = {v.spottedX, v.spottedY};
    setup.force = v.force;
    setup.strikeHeight = v.strikeHeight;
    setup.strikeSide = v.strikeSide;
    setup.raiseAngle = v.raiseAngle;
    setup.strikeMode = v.strikeMode;
    setup.cueBall = v.cueBall;
    setup.aimOriginX = v.aimOriginX;
    setup.aimOriginY = v.aimOriginY;
    setup.aimTargetX = v.aimTargetX;
    setup.aimTargetY = v.aimTargetY;
    return setup;
}

// What is wrong with the tuning file, empty when it was read or created.
std::string TuningProblem(TuningFileResult result)
{
    switch (result)
    {
    case TuningFileResult::Applied:
    case TuningFileResult::Created:
        return {};
    case TuningFileResult::CannotCreate:
        return std::string("is missing and cannot be created: ") + std::strerror(errno);
    case TuningFileResult::CannotOpen:
        return std::string("cannot be opened: ") + std::strerror(errno);
    case TuningFileResult::IsFolder:
        return "is a folder";
    case TuningFileResult::NotRegularFile:
        return "is not a regular file";
    case TuningFileResult::TooLarge:
        return "is too large (over 1 MiB)";
    case TuningFileResult::WordTooLong:
        return "is not a tuning file (a word of over 4096 characters)";
    }
    return "cannot be read";
}

bool WriteToStandardOutput(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    const std::string error = ParseOptions(argc, argv, options);
    if (options.help)
    {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 ? 0 : kExitFailure;
    }
    if (!error.empty())
        return Fail(kExitBadInput, error);

    PositionValues values;
    int valuesRead = 0;
    std::string message;
    if (!ReadToolPosition(options.positionPath, values, valuesRead, message))
        return Fail(kExitBadInput, message);
    if (valuesRead < kPositionValueLines)
        std::fprintf(stderr, "mirobelt-shot: %s holds %d of the %d values; the others are those of a new table\n",
                     options.positionPath.c_str(), valuesRead, kPositionValueLines);

    // Values are taken as they stand: a hostile set-up (a huge force, a
    // non-finite value) still ends, once the trajectory buffers are full.
    const int format = TableFormatOf(values, valuesRead);
    auto doc = std::make_unique<CMirobeltDoc>();
    if (options.tuningPath)
    {
        const std::string problem = TuningProblem(doc->m_physics.LoadTuning(options.tuningPath->c_str()));
        if (!problem.empty())
            return Fail(kExitBadInput, "tuning file " + *options.tuningPath + " " + problem);
    }
    doc->ApplyTableFormat(format);
    g_nTableFormat = format;
    g_bNoMouseAbort = 1;
    doc->SetShotRequest(SetupOf(values));
    doc->RunShot();
    const std::string text = FormatTrajectoryExport(doc->m_physics.m_traj, options.fullPrecision);

    if (options.outputPath)
    {
        std::string reason;
        if (!WriteFileAtomically(*options.outputPath, text, &reason))
            return Fail(kExitFailure, "cannot write " + *options.outputPath + ": " + reason);
    }
    else if (!WriteToStandardOutput(text))
    {
        return Fail(kExitFailure, "cannot write the standard output");
    }
    return 0;
}
