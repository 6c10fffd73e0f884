// SPDX-License-Identifier: GPL-3.0-or-later
// mirobelt-solve: searches the shots that score from the position of a file,
// under the rules of a game, and prints them ranked by how forgiving they are.

#include <unistd.h>

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "diagram/FinderSheet.h"
#include "finder/FileValues.h"
#include "finder/ShotSearch.h"
#include "positions/PositionFile.h"
#include "positions/PositionSetup.h"
#include "positions/ToolInput.h"
#include "platform/ToolApplication.h"
#include "sim/MirobeltDoc.h"

namespace
{

constexpr int kExitFailure = 1;   // the solution files could not be written
constexpr int kExitBadInput = 2;  // bad command line or unreadable position file
constexpr int kDefaultTop = 10;
constexpr int kMostThreads = 256;

// The tool's texts, written in French and translated by Qt: MirobeltSolve::tr().
class MirobeltSolve
{
    Q_DECLARE_TR_FUNCTIONS(MirobeltSolve)
};

QString FromPath(const std::string& path) { return QString::fromLocal8Bit(path); }

const char kUsage[] = QT_TRANSLATE_NOOP(
    "MirobeltSolve",
    "usage : mirobelt-solve POSITION.bi1 --game libre|une-bande|trois-bandes [--aim-only]\n"
    "                       [--top N] [--threads N] [-o DOSSIER] [--json]\n"
    "\n"
    "Cherche les coups qui marquent le point depuis la position du fichier, selon\n"
    "les règles du jeu choisi, et les classe du plus facile au plus difficile : la\n"
    "fenêtre est la largeur, en degrés, des directions voisines qui marquent aussi.\n"
    "Seuls comptent les points faits par la bille de tir dans sa course : un point\n"
    "fait plus tard par une bille qui vient toucher la bille de tir arrêtée n'est\n"
    "pas cherché. La hauteur d'attaque se lit comme au billard : positive au-dessus\n"
    "du centre (coulé), négative en dessous (rétro) ; les fichiers de position\n"
    "gardent le signe inverse. Les bandes touchées avant la deuxième bille sont\n"
    "notées G (gauche), D (droite), H (haut) et B (bas), le billard vu comme à l'écran.\n"
    "\n"
    "  --game JEU     libre, une-bande ou trois-bandes\n"
    "  --aim-only     cherche la visée seule, avec l'effet, l'élévation et la force du\n"
    "                 fichier ; sans cette option l'effet et la force sont cherchés aussi\n"
    "  --top N        montre les N meilleures solutions (10 par défaut)\n"
    "  --threads N    nombre de fils de calcul (par défaut un par cœur)\n"
    "  -o DOSSIER     écrit la solution K dans DOSSIER/solution-K.bi1\n"
    "  --json         un objet JSON sur la sortie standard au lieu du tableau\n"
    "  --sheet F.pdf  écrit la feuille d'exercices : la position, puis deux solutions par page\n"
    "  -h, --help     affiche cette aide\n");

struct Options
{
    std::string positionPath;
    Game game = Game::Libre;
    bool gameGiven = false;
    SearchKind kind = SearchKind::AimAndStroke;
    int top = kDefaultTop;
    int threads = 0;
    std::string outputFolder;
    bool json = false;
    bool help = false;
    std::string sheetPath;
};

int Fail(int status, const QString& message)
{
    std::fprintf(stderr, "%s\n", MirobeltSolve::tr("mirobelt-solve : %1").arg(message).toLocal8Bit().constData());
    return status;
}

bool ParseCount(const std::string& text, int most, int& value)
{
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < 1 || parsed > most)
        return false;
    value = parsed;
    return true;
}

// Returns an error message, empty when the command line is good.
QString ParseOptions(int argc, char** argv, Options& options)
{
    bool positionSeen = false;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--game" || arg == "--top" || arg == "--threads" || arg == "-o";
        if (takesValue && i + 1 >= argc)
            return MirobeltSolve::tr("l'option %1 attend une valeur (voir --help)").arg(FromPath(arg));
        if (arg == "-h" || arg == "--help")
        {
            options.help = true;
            return {};
        }
        else if (arg == "--game")
        {
            const std::string key = argv[++i];
            if (!GameFromKey(key, options.game))
                return MirobeltSolve::tr("jeu inconnu %1 (libre, une-bande ou trois-bandes)").arg(FromPath(key));
            options.gameGiven = true;
        }
        else if (arg == "--top" || arg == "--threads")
        {
            const std::string text = argv[++i];
            int& value = arg == "--top" ? options.top : options.threads;
            if (!ParseCount(text, arg == "--top" ? 1000000 : kMostThreads, value))
                return MirobeltSolve::tr("valeur incorrecte pour %1 : %2").arg(FromPath(arg), FromPath(text));
        }
        else if (arg == "-o")
            options.outputFolder = argv[++i];
        else if (arg == "--aim-only")
            options.kind = SearchKind::AimOnly;
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--sheet")
        {
            if (i + 1 >= argc || !std::string(argv[i + 1]).ends_with(".pdf"))
                return MirobeltSolve::tr("l'option --sheet attend un nom de fichier en .pdf (voir --help)");
            options.sheetPath = argv[++i];
        }
        else if (arg.size() > 1 && arg[0] == '-')
            return MirobeltSolve::tr("option inconnue %1 (voir --help)").arg(FromPath(arg));
        else
        {
            if (positionSeen)
                return MirobeltSolve::tr("un seul fichier de position est accepté (voir --help)");
            options.positionPath = arg;
            positionSeen = true;
        }
    }
    if (!positionSeen)
        return MirobeltSolve::tr("aucun fichier de position (voir --help)");
    if (!options.gameGiven)
        return MirobeltSolve::tr("le jeu manque : --game libre, une-bande ou trois-bandes");
    return {};
}

// The first ball's name as the JSON output keeps it, in every language.
const char* BallName(int ball)
{
    static const char* const kNames[] = {"blanche", "rouge", "pointée"};
    return ball >= 0 && ball <= 2 ? kNames[ball] : "aucune";
}

// The first ball's name in the table, in the tool's language.
QString ShownBallName(int ball)
{
    static const char* const kNames[] = {QT_TRANSLATE_NOOP("MirobeltSolve", "blanche"),
                                         QT_TRANSLATE_NOOP("MirobeltSolve", "rouge"),
                                         QT_TRANSLATE_NOOP("MirobeltSolve", "pointée")};
    return MirobeltSolve::tr(ball >= 0 && ball <= 2 ? kNames[ball] : QT_TRANSLATE_NOOP("MirobeltSolve", "aucune"));
}

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text)
    {
        if (c == '"' || c == '\\')
            (quoted += '\\') += c;
        else if (static_cast<unsigned char>(c) < 0x20)
        {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        }
        else
            quoted += c;
    }
    return quoted + '"';
}

// Why a position file could not be read, in the tool's words.
QString UnreadableFileMessage(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return MirobeltSolve::tr("impossible d'ouvrir %1 : fichier introuvable").arg(FromPath(path));
    if (std::filesystem::is_directory(status))
        return MirobeltSolve::tr("%1 est un dossier, pas un fichier de position").arg(FromPath(path));
    return MirobeltSolve::tr("%1 n'est pas un fichier de position lisible").arg(FromPath(path));
}

struct Reported
{
    Solution solution;
    std::string file;
};

void PrintLine(const QString& line) { std::printf("%s\n", line.toLocal8Bit().constData()); }

void PrintTable(const std::vector<Reported>& reported, const SearchResult& result)
{
    PrintLine(MirobeltSolve::tr("%1 solution(s), %2 coups calculés en %3 s")
                  .arg(reported.size())
                  .arg(result.evaluated)
                  .arg(result.seconds, 0, 'f', 2));
    if (reported.empty())
        return;
    // The headers are padded by hand to the columns' widths below.
    PrintLine(MirobeltSolve::tr("rang fenêtre(°) 1re bille bandes avant 2e  visée(°)  force  hauteur   côté  masse"));
    for (std::size_t k = 0; k < reported.size(); ++k)
    {
        const Solution& s = reported[k].solution;
        const std::string cushions =
            std::to_string(s.outcome.cushionsBeforeSecond) + " " + s.outcome.cushionPath;
        // The ball's name is padded in letters: printf counts bytes.
        const QString ball = ShownBallName(s.outcome.firstBall).rightJustified(9);
        std::printf("%4zu %10.3f %s %-15s %9.3f %6.2f %8.2f %6.2f %6.1f\n", k + 1, s.windowDegrees,
                    ball.toLocal8Bit().constData(), cushions.c_str(), s.aimDegrees, s.setup.force,
                    PlayerStrikeHeight(s.setup), s.setup.strikeSide, s.setup.raiseAngle);
        if (!reported[k].file.empty())
            std::printf("     %s\n", reported[k].file.c_str());
    }
}

void PrintJson(const std::vector<Reported>& reported, const SearchResult& result, const Options& options)
{
    std::printf("{\"game\": %s, \"search\": %s, \"evaluated\": %lld, \"seconds\": %.3f, \"solutions\": [",
                JsonString(GameKey(options.game)).c_str(), JsonString(SearchKindKey(options.kind)).c_str(),
                result.evaluated, result.seconds);
    for (std::size_t k = 0; k < reported.size(); ++k)
    {
        const Solution& s = reported[k].solution;
        std::printf("%s\n  {\"rank\": %zu, \"window_deg\": %.6f, \"aim_deg\": %.6f, \"first_ball\": %s, "
                    "\"cushions_before_second\": %d, \"cushion_sides\": %s, \"force\": %.6f, \"strike_height\": %.6f, "
                    "\"strike_side\": %.6f, \"raise\": %.6f, \"file\": %s}",
                    k == 0 ? "" : ",", k + 1, s.windowDegrees, s.aimDegrees,
                    JsonString(BallName(s.outcome.firstBall)).c_str(), s.outcome.cushionsBeforeSecond,
                    JsonString(s.outcome.cushionPath).c_str(), s.setup.force, PlayerStrikeHeight(s.setup), s.setup.strikeSide, s.setup.raiseAngle,
                    reported[k].file.empty() ? "null" : JsonString(reported[k].file).c_str());
    }
    std::printf("]}\n");
}

}  // namespace

int main(int argc, char** argv)
{
    ToolApplication app(argc, argv);
    Options options;
    const QString error = ParseOptions(argc, argv, options);
    if (options.help)
    {
        std::fputs(MirobeltSolve::tr(kUsage).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : kExitFailure;
    }
    if (!error.isEmpty())
        return Fail(kExitBadInput, error);

    PositionValues values;
    int valuesRead = 0;
    if (ReadToolPosition(options.positionPath, values, valuesRead) != PositionReadResult::Read)
        return Fail(kExitBadInput, UnreadableFileMessage(options.positionPath));
    values.tableFormat = TableFormatOf(values, valuesRead);
    if (values.cueBall < 1 || values.cueBall > 3)
        return Fail(kExitBadInput, MirobeltSolve::tr("la bille de tir du fichier doit être 1, 2 ou 3"));
    // A search computes thousands of shots: values no window can set, which
    // would make every shot run to the end of the trajectory buffers, are refused.
    for (const double v : {values.whiteX, values.whiteY, values.redX, values.redY, values.spottedX, values.spottedY,
                           values.strikeHeight, values.strikeSide, values.raiseAngle, values.strikeMode})
        if (!std::isfinite(v))
            return Fail(kExitBadInput,
                        MirobeltSolve::tr("valeur non finie dans %1").arg(FromPath(options.positionPath)));
    if (!(values.force >= 0 && values.force <= 1))
        return Fail(kExitBadInput, MirobeltSolve::tr("la force du fichier doit être entre 0 et 1"));

    // Searched with the values a solution file will hold, so that the file
    // gives the very shot that was found.
    SearchRequest request;
    request.setup = AsFileSetup(SetupOf(values));
    request.game = options.game;
    request.kind = options.kind;
    request.threads = options.threads;

    auto prototype = std::make_unique<CMirobeltDoc>();
    prototype->ApplyTableFormat(static_cast<int>(values.tableFormat));

    const bool showProgress = !options.json && isatty(STDERR_FILENO);
    std::atomic<bool> cancel{false};
    const SearchResult result =
        FindShots(*prototype, request, cancel, [showProgress](long long evaluated, long long planned) {
            if (showProgress && planned > 0)
                std::fprintf(stderr, "\r%3lld %%", std::min(100LL, 100 * evaluated / planned));
        });
    if (showProgress)
        std::fputs("\r      \r", stderr);

    // Each solution again, from its values as its file holds them, computed to the end.
    ShotEvaluator check(*prototype, options.game, values.cueBall);
    std::vector<Reported> reported;
    for (const Solution& solution : result.solutions)
    {
        if (static_cast<int>(reported.size()) >= options.top)
            break;
        const PositionValues fileValues = ValuesOf(AsFileSetup(solution.setup), values.tableFormat);
        if (check.Evaluate(SetupOf(fileValues), false).verdict != Verdict::Scored)
            continue;
        Reported entry{solution, {}};
        if (!options.outputFolder.empty())
        {
            std::error_code folderError;
            std::filesystem::create_directories(options.outputFolder, folderError);
            entry.file = (std::filesystem::path(options.outputFolder) /
                          ("solution-" + std::to_string(reported.size() + 1) + ".bi1"))
                             .string();
            if (!WritePositionFile(entry.file, kSaveAsHeader, fileValues))
                return Fail(kExitFailure, MirobeltSolve::tr("impossible d'écrire %1").arg(FromPath(entry.file)));
        }
        reported.push_back(entry);
    }

    if (!options.sheetPath.empty())
    {
        std::vector<Solution> shown;
        for (const Reported& entry : reported)
            shown.push_back(entry.solution);
        app.EnablePainting();
        if (!WriteSolutionSheet(options.sheetPath, *prototype, static_cast<int>(values.tableFormat), request.setup,
                                options.game, shown, std::filesystem::path(options.positionPath).stem().string()))
            return Fail(kExitFailure, MirobeltSolve::tr("impossible d'écrire %1").arg(FromPath(options.sheetPath)));
    }

    if (options.json)
        PrintJson(reported, result, options);
    else
        PrintTable(reported, result);
    return std::fflush(stdout) == 0 ? 0 : kExitFailure;
}
