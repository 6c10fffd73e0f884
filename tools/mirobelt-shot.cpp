// SPDX-License-Identifier: GPL-3.0-or-later
// mirobelt-shot: computes the shot of a position file and prints the
// trajectories of the three balls in the text of the trajectory export.

#include <QCoreApplication>
#include <QString>

#include <cerrno>
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
#include "platform/ToolApplication.h"
#include "sim/MirobeltDoc.h"
#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

namespace
{

constexpr int kExitFailure = 1;  // the result could not be written
constexpr int kExitBadInput = 2; // bad command line, unreadable position or tuning file

// The tool's texts, written in French and translated by Qt: MirobeltShot::tr().
class MirobeltShot
{
    Q_DECLARE_TR_FUNCTIONS(MirobeltShot)
};

QString FromPath(const std::string& path) { return QString::fromLocal8Bit(path); }

const char kUsage[] = QT_TRANSLATE_NOOP(
    "MirobeltShot",
    "usage : mirobelt-shot POSITION.bi1 [-o FICHIER] [--tuning FICHIER] [--full]\n"
    "                      [--image FICHIER [--width PX] [--mono] [--line-width thin|normal|thick]\n"
    "                       [--title TEXTE] [--no-trajectories]]\n"
    "\n"
    "Calcule le coup préparé dans le fichier de position et écrit les trajectoires\n"
    "des billes blanche, rouge et pointée comme l'export des trajectoires. Les\n"
    "valeurs qu'un fichier trop court ne donne pas sont celles d'un billard neuf.\n"
    "\n"
    "  -o FICHIER         écrit dans FICHIER (remplacé en entier) au lieu de la sortie standard\n"
    "  --tuning FICHIER   applique les coefficients de réglage de FICHIER (créé s'il manque) ;\n"
    "                     sans cette option les coefficients par défaut servent et aucun\n"
    "                     fichier n'est lu\n"
    "  --full             écrit 17 chiffres significatifs au lieu de 6\n"
    "  --image FICHIER    dessine le billard, les billes et leurs trajectoires dans FICHIER,\n"
    "                     une image .svg, .pdf ou .png ; les trajectoires ne sont alors\n"
    "                     écrites en texte qu'avec -o\n"
    "  --width PX         largeur d'une image PNG ou SVG en pixels (1600 par défaut)\n"
    "  --mono             dessine l'image en noir et blanc\n"
    "  --line-width L     traits des trajectoires fins (thin), normaux (normal, par défaut)\n"
    "                     ou épais (thick)\n"
    "  --title TEXTE      titre au-dessus du billard (par défaut : le nom du fichier de position)\n"
    "  --no-trajectories  dessine la position seule, sans le coup\n"
    "  -h, --help         affiche cette aide\n");

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

void Say(const QString& message)
{
    std::fprintf(stderr, "%s\n", MirobeltShot::tr("mirobelt-shot : %1").arg(message).toLocal8Bit().constData());
}

int Fail(int status, const QString& message)
{
    Say(message);
    return status;
}

// The system's reason for a failed opening or writing: the usual ones in the
// tool's language, the others in the system's words.
QString SystemReason(int error)
{
    switch (error)
    {
    case ENOENT:
        return MirobeltShot::tr("fichier introuvable");
    case EACCES:
        return MirobeltShot::tr("permission refusée");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
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
QString ParseOptions(int argc, char** argv, Options& options)
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
                return MirobeltShot::tr("l'option %1 attend un nom de fichier (voir --help)").arg(FromPath(arg));
            (arg == "-o" ? options.outputPath : options.tuningPath) = argv[++i];
        }
        else if (!optionsEnded && (arg == "--image" || arg == "--width"))
        {
            if (i + 1 >= argc)
                return MirobeltShot::tr("l'option %1 attend une valeur (voir --help)").arg(FromPath(arg));
            const std::string value = argv[++i];
            if (arg == "--image")
                options.imagePath = value;
            else if (!ParseWidth(value, options.imageWidth))
                return MirobeltShot::tr("--width attend un nombre entier de pixels de %1 à %2")
                    .arg(kMinDiagramWidth)
                    .arg(kMaxDiagramWidth);
        }
        else if (!optionsEnded && (arg == "--line-width" || arg == "--title"))
        {
            if (i + 1 >= argc)
                return MirobeltShot::tr("l'option %1 attend une valeur (voir --help)").arg(FromPath(arg));
            const std::string value = argv[++i];
            if (arg == "--title")
                options.title = value;
            else if (!ParseLineWidth(value, options.lineWidth))
                return MirobeltShot::tr("--line-width attend thin, normal ou thick");
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
            return MirobeltShot::tr("option inconnue %1 (voir --help)").arg(FromPath(arg));
        }
        else
        {
            if (positionSeen)
                return MirobeltShot::tr("un seul fichier de position est accepté (voir --help)");
            options.positionPath = arg;
            positionSeen = true;
        }
    }
    if (!positionSeen)
        return MirobeltShot::tr("aucun fichier de position (voir --help)");
    if (options.imagePath && !DiagramFormatOfPath(*options.imagePath))
        return MirobeltShot::tr("type d'image inconnu pour %1 : le nom doit finir par .svg, .pdf ou .png")
            .arg(FromPath(*options.imagePath));
    return {};
}

// What is wrong with the tuning file, empty when it was read or created.
// error is errno as the failed opening left it.
QString TuningProblem(TuningFileResult result, const std::string& path, int error)
{
    const QString file = FromPath(path);
    switch (result)
    {
    case TuningFileResult::Applied:
    case TuningFileResult::Created:
        return {};
    case TuningFileResult::CannotCreate:
        return MirobeltShot::tr("le fichier de réglage %1 manque et ne peut pas être créé : %2")
            .arg(file, SystemReason(error));
    case TuningFileResult::CannotOpen:
        return MirobeltShot::tr("impossible d'ouvrir le fichier de réglage %1 : %2").arg(file, SystemReason(error));
    case TuningFileResult::IsFolder:
        return MirobeltShot::tr("le fichier de réglage %1 est un dossier").arg(file);
    case TuningFileResult::NotRegularFile:
        return MirobeltShot::tr("le fichier de réglage %1 n'est pas un fichier ordinaire").arg(file);
    case TuningFileResult::TooLarge:
        return MirobeltShot::tr("le fichier de réglage %1 est trop grand (plus de 1 Mio)").arg(file);
    case TuningFileResult::WordTooLong:
        return MirobeltShot::tr("%1 n'est pas un fichier de réglage (un mot de plus de 4096 caractères)").arg(file);
    }
    return MirobeltShot::tr("le fichier de réglage %1 ne peut pas être lu").arg(file);
}

// Why the position file cannot be read; error is errno as the failed opening left it.
QString PositionProblem(PositionReadResult result, const std::string& path, int error)
{
    const QString file = FromPath(path);
    switch (result)
    {
    case PositionReadResult::Read:
        return {};
    case PositionReadResult::CannotOpen:
        return MirobeltShot::tr("impossible d'ouvrir %1 : %2").arg(file, SystemReason(error));
    case PositionReadResult::IsFolder:
        return MirobeltShot::tr("%1 est un dossier").arg(file);
    case PositionReadResult::IsDevice:
        return MirobeltShot::tr("%1 est un périphérique, pas un fichier de position").arg(file);
    case PositionReadResult::TooLarge:
        return MirobeltShot::tr("%1 est trop grand pour un fichier de position (plus de 1 Mio)").arg(file);
    case PositionReadResult::WordTooLong:
        return MirobeltShot::tr("%1 n'est pas un fichier de position (un mot de plus de 4096 caractères)").arg(file);
    case PositionReadResult::RejectedHeader:
        return MirobeltShot::tr("%1 n'est pas un fichier de position (mauvais en-tête)").arg(file);
    }
    return MirobeltShot::tr("%1 ne peut pas être lu").arg(file);
}

// The reasons WriteFileAtomically gives in words of its own, in the tool's
// language; the others are the system's (strerror).
QString WriteReason(const std::string& reason)
{
    if (reason == "is a folder")
        return MirobeltShot::tr("c'est un dossier");
    if (reason == "is read-only")
        return MirobeltShot::tr("fichier en lecture seule");
    if (reason == "is not a regular file")
        return MirobeltShot::tr("ce n'est pas un fichier ordinaire");
    if (reason == "no file name")
        return MirobeltShot::tr("aucun nom de fichier");
    for (const int error : {ENOENT, EACCES})
        if (reason == std::strerror(error))
            return SystemReason(error);
    return QString::fromLocal8Bit(reason);
}

bool WriteToStandardOutput(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    ToolApplication app(argc, argv);
    Options options;
    const QString error = ParseOptions(argc, argv, options);
    if (options.help)
    {
        std::fputs(MirobeltShot::tr(kUsage).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : kExitFailure;
    }
    if (!error.isEmpty())
        return Fail(kExitBadInput, error);

    PositionValues values;
    int valuesRead = 0;
    const PositionReadResult read = ReadToolPosition(options.positionPath, values, valuesRead);
    if (read != PositionReadResult::Read)
        return Fail(kExitBadInput, PositionProblem(read, options.positionPath, errno));
    if (valuesRead < kPositionValueLines)
        Say(MirobeltShot::tr("%1 contient %2 des %3 valeurs ; les autres sont celles d'un billard neuf")
                .arg(FromPath(options.positionPath))
                .arg(valuesRead)
                .arg(kPositionValueLines));

    // Values are taken as they stand: a hostile set-up (a huge force, a
    // non-finite value) still ends, once the trajectory buffers are full.
    const int format = TableFormatOf(values, valuesRead);
    auto doc = std::make_unique<CMirobeltDoc>();
    if (options.tuningPath)
    {
        const TuningFileResult tuning = doc->m_physics.LoadTuning(options.tuningPath->c_str());
        const QString problem = TuningProblem(tuning, *options.tuningPath, errno);
        if (!problem.isEmpty())
            return Fail(kExitBadInput, problem);
    }
    doc->ApplyTableFormat(format);
    g_bNoMouseAbort = 1;
    doc->SetShotRequest(SetupOf(values));
    doc->RunShot();
    const std::string text = FormatTrajectoryExport(doc->m_physics.m_traj, options.fullPrecision);

    if (options.outputPath)
    {
        std::string reason;
        if (!WriteFileAtomically(*options.outputPath, text, &reason))
            return Fail(kExitFailure, MirobeltShot::tr("impossible d'écrire %1 : %2")
                                          .arg(FromPath(*options.outputPath), WriteReason(reason)));
    }
    else if (!options.imagePath && !WriteToStandardOutput(text))
    {
        return Fail(kExitFailure, MirobeltShot::tr("impossible d'écrire sur la sortie standard"));
    }

    if (options.imagePath)
    {
        app.EnablePainting();
        if (ExportDiagram(ImageOf(*doc, values, format, options), *options.imagePath, options.imageWidth) !=
            DiagramExportStatus::Written)
            return Fail(kExitFailure, MirobeltShot::tr("impossible d'écrire %1").arg(FromPath(*options.imagePath)));
    }
    return 0;
}
