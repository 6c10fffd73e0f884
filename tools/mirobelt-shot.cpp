// mirobelt-shot: computes the shot of a position file and prints the
// trajectories of the three balls in the text of the trajectory export.

#include <QGuiApplication>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <filesystem>
#include <optional>
#include <string>

#include "diagram/DiagramExport.h"
#include "diagram/ShotDiagram.h"
#include "diagram/StrokeText.h"
#include "positions/PositionFile.h"
#include "positions/PositionSetup.h"
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
    "                     [--image FILE [--width PX] [--mono] [--line-width thin|normal|thick]\n"
    "                      [--title TEXT] [--no-trajectories]]\n"
    "\n"
    "Computes the shot set up in the position file and writes the trajectories\n"
    "of the white, red and spotted balls as the trajectory export does. Values a\n"
    "file that stops early leaves out are those of a newly started table.\n"
    "\n"
    "  -o FILE          write to FILE (replaced as a whole) instead of the standard output\n"
    "  --tuning FILE    apply the tuning coefficients of FILE (created when missing);\n"
    "                   without it the default coefficients are used and no file is read\n"
    "  --full           write 17 significant digits instead of 6\n"
    "  --image FILE     draw the table, the balls and their trajectories to FILE,\n"
    "                   an .svg, .pdf or .png image; the trajectories are then\n"
    "                   written as text only with -o\n"
    "  --width PX       width of a PNG or SVG image in pixels (default 1600)\n"
    "  --mono           draw the image in black and white\n"
    "  --line-width W   thin, normal (default) or thick trajectory lines\n"
    "  --title TEXT     title above the table (default: the position file's name)\n"
    "  --no-trajectories  draw the position alone, without the shot\n"
    "  -h, --help       show this help\n";

struct Options
{
    std::string positionPath;
    std::optional<std::string> outputPath;
    std::optional<std::string> tuningPath;
    std::optional<std::string> imagePath;
    int imageWidth = kDefaultDiagramWidth;
    bool mono = false;
    PathWidth lineWidth = PathWidth::Normal;
    std::optional<std::string> title;
    bool withTrajectories = true;
    bool fullPrecision = false;
    bool help = false;
};

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "mirobelt-shot: %s\n", message.c_str());
    return status;
}

bool ParseWidth(const std::string& text, int& width)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    width = std::stoi(text);
    return width >= kMinDiagramWidth && width <= kMaxDiagramWidth;
}

bool ParseLineWidth(const std::string& text, PathWidth& width)
{
    if (text == "thin")
        width = PathWidth::Thin;
    else if (text == "normal")
        width = PathWidth::Normal;
    else if (text == "thick")
        width = PathWidth::Thick;
    else
        return false;
    return true;
}

// The image of the position with its shot, its title and its stroke.
TableDiagram ImageOf(CMirobeltDoc& doc, const PositionValues& values, int format, const Options& options)
{
    const ShotSetup setup = SetupOf(values);
    TableDiagram d = MakeTableDiagram(doc.m_geometry, format, !options.mono);
    if (options.withTrajectories)
        AddShot(d, setup, ComputeShot(doc, setup));
    else
        for (int b = 0; b < 3; ++b)
            d.balls[b] = {setup.balls[b].x, setup.balls[b].y, d.balls[b].outline, d.balls[b].fill};
    d.notes.cueBall = setup.cueBall - 1;
    d.notes.pathWidth = options.lineWidth;
    d.notes.title = options.title ? *options.title : std::filesystem::path(options.positionPath).stem().string();
    d.notes.strokeLine = StrokeLine(StrokeOf(setup));
    return d;
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
        else if (!optionsEnded && (arg == "--image" || arg == "--width"))
        {
            if (i + 1 >= argc)
                return "option " + arg + " needs a value (see --help)";
            const std::string value = argv[++i];
            if (arg == "--image")
                options.imagePath = value;
            else if (!ParseWidth(value, options.imageWidth))
                return "--width takes a whole number of pixels from " + std::to_string(kMinDiagramWidth) + " to " +
                       std::to_string(kMaxDiagramWidth);
        }
        else if (!optionsEnded && (arg == "--line-width" || arg == "--title"))
        {
            if (i + 1 >= argc)
                return "option " + arg + " needs a value (see --help)";
            const std::string value = argv[++i];
            if (arg == "--title")
                options.title = value;
            else if (!ParseLineWidth(value, options.lineWidth))
                return "--line-width takes thin, normal or thick";
        }
        else if (!optionsEnded && arg == "--full")
        {
            options.fullPrecision = true;
        }
        else if (!optionsEnded && arg == "--mono")
        {
            options.mono = true;
        }
        else if (!optionsEnded && arg == "--no-trajectories")
        {
            options.withTrajectories = false;
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
    if (options.imagePath && !DiagramFormatOfPath(*options.imagePath))
        return "unknown image type of " + *options.imagePath + ": the name must end in .svg, .pdf or .png";
    return {};
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

// The image is drawn through Qt's painting with no window: on the offscreen
// platform unless another one is asked for.
std::unique_ptr<QGuiApplication> StartPainting(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt takes the user's locale; numbers stay as they were
    return app;
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
    else if (!options.imagePath && !WriteToStandardOutput(text))
    {
        return Fail(kExitFailure, "cannot write the standard output");
    }

    if (options.imagePath)
    {
        const auto app = StartPainting(argc, argv);
        if (ExportDiagram(ImageOf(*doc, values, format, options), *options.imagePath, options.imageWidth) !=
            DiagramExportStatus::Written)
            return Fail(kExitFailure, "cannot write " + *options.imagePath);
    }
    return 0;
}
