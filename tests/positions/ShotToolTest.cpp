// SPDX-License-Identifier: GPL-3.0-or-later
#include <sstream>

#include "TestFiles.h"

#ifdef MIROBELT_SHOT_TOOL

namespace
{

// The tool in its own language, French, whatever language the user's settings hold.
ToolRun RunTool(const TempFolder& folder, const std::vector<std::string>& args, const std::string& input = "")
{
    setenv("MIROBELT_LANG", "fr", 1);
    return folder.Run(MIROBELT_SHOT_TOOL, args, input);
}

// White plays onto the red with side and draw; the balls reach the cushions.
PositionValues Shot(double tableFormat = 2)
{
    return {1.8, 0.4, 0.6, 0.7, 1.2, 0.9, -0.3, 0.2, 5, 0.8, 1, 0.6, 1.8, 0.7, 0.4, 50, tableFormat};
}

std::string Save(const TempFolder& folder, const PositionValues& v, const std::string& name = "shot.bi1")
{
    EXPECT_TRUE(WritePositionFile(folder / name, kSaveAsHeader, v));
    return folder / name;
}

// Each ball's sample count and final place in the tool's text:
// "count x y;" for the white, the red and the spotted ball.
std::string EndPlaces(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string summary;
    for (std::size_t b = 0, at = 4; b < 3 && at < lines.size(); ++b)  // after the four header lines
    {
        const std::size_t n = std::stoul(lines[at]);
        summary += lines[at] + " " + lines.at(at + 2 * n - 1) + " " + lines.at(at + 2 * n) + ";";
        at += 2 * n + 1;
    }
    return summary;
}

}  // namespace

TEST(ShotTool, ComputesThePositionWithTheGivenOptions)
{
    TempFolder folder;
    const ToolRun run = RunTool(folder, {Save(folder, Shot())});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, std::string()));
    EXPECT_EQ(EndPlaces(run.out), "4706 0.671104 1.01578;4706 1.29953 0.61186;4706 1.67269 0.928755;");
    // Without --tuning no tuning file is read or created.
    EXPECT_EQ(folder.Listing(), "shot.bi1;");

    // Full precision, to an output file; the half table from the last value.
    EXPECT_EQ(RunTool(folder, {"--full", "shot.bi1", "-o", "out.txt"}).status, 0);
    EXPECT_EQ(EndPlaces(ReadText(folder / "out.txt")),
              "4706 0.67110413470379671 1.0157759555410466;4706 1.2995300158243235 0.61185978241897176;"
              "4706 1.6726886827621519 0.92875466135019458;");
    EXPECT_EQ(EndPlaces(RunTool(folder, {Save(folder, Shot(0), "half.bi1")}).out),
              "4320 0.898622 0.153471;4320 1.8 0.4;4320 1.2 0.9;");

    // A value that names no format: the full table.
    for (double bad : {4.0, 1.5, -1.0})
        EXPECT_EQ(RunTool(folder, {Save(folder, Shot(bad), "bad.bi1")}).out, run.out) << bad;

    // A tuning file given is created when missing, and used.
    EXPECT_EQ(RunTool(folder, {"shot.bi1", "--tuning", "tuning.prm"}).out, run.out);
    EXPECT_EQ(folder.Listing(), "bad.bi1;half.bi1;out.txt;shot.bi1;tuning.prm;");
    WriteText(folder / "tuning.prm", "50\n");
    EXPECT_EQ(EndPlaces(RunTool(folder, {"shot.bi1", "--tuning", "tuning.prm"}).out),
              "4797 0.725556 1.01776;4797 1.2048 0.845208;4797 1.65694 0.783919;");

    // A file that stops early: the values a new table has (the red ball's place only here, no aim).
    WriteText(folder / "short.bi1", "Billard\n0.5\n0.7\n");
    const ToolRun partial = RunTool(folder, {"short.bi1"});
    EXPECT_EQ(partial.err + EndPlaces(partial.out),
              "mirobelt-shot : short.bi1 contient 2 des 17 valeurs ; les autres sont celles d'un billard neuf\n"
              "2 0.1 0.3;2 0.5 0.7;2 0.4 0.5;");
}

TEST(ShotTool, BadInputAndTargetsGiveOneLineNamingTheFault)
{
    TempFolder folder;
    const std::string good = Save(folder, Shot());
    WriteText(folder / "other.txt", "Position\n1\n2\n");
    WriteText(folder / "long.bi1", "B\n" + std::string(5000, '1') + "\n");
    WriteText(folder / "large.bi1", "B\n" + std::string(1 << 20, ' '));
    WriteText(folder / "locked.txt", "old\n");
    chmod((folder / "locked.txt").c_str(), 0444);
    std::filesystem::create_directory(folder / "folder");
    const std::string wordTooLong = " (un mot de plus de 4096 caractères)";
    struct Case { std::vector<std::string> args; std::string fault, input = ""; int status = 2; };
    const std::vector<Case> cases = {
        {{"missing.bi1"}, "impossible d'ouvrir missing.bi1 : fichier introuvable"},
        {{"other.txt"}, "other.txt n'est pas un fichier de position (mauvais en-tête)"},
        {{"folder"}, "folder est un dossier"},
        {{"/dev/zero"}, "/dev/zero est un périphérique, pas un fichier de position"},
        {{"/dev/urandom"}, "/dev/urandom est un périphérique, pas un fichier de position"},
        {{"/dev/stdin"}, "/dev/stdin n'est pas un fichier de position" + wordTooLong, "cat /dev/zero"},
        {{"long.bi1"}, "long.bi1 n'est pas un fichier de position" + wordTooLong},
        {{"large.bi1"}, "large.bi1 est trop grand pour un fichier de position (plus de 1 Mio)"},
        {{good, "--tuning", "folder"}, "le fichier de réglage folder est un dossier"},
        {{good, "--tuning", "/dev/zero"}, "le fichier de réglage /dev/zero n'est pas un fichier ordinaire"},
        {{good, "--tuning", "long.bi1"}, "long.bi1 n'est pas un fichier de réglage" + wordTooLong},
        {{good, "--tuning", "large.bi1"}, "le fichier de réglage large.bi1 est trop grand (plus de 1 Mio)"},
        {{}, "aucun fichier de position (voir --help)"},
        {{good, "--bogus"}, "option inconnue --bogus (voir --help)"},
        {{good, "-o"}, "l'option -o attend un nom de fichier (voir --help)"},
        {{good, good}, "un seul fichier de position est accepté (voir --help)"},
        {{good, "--width", "12"}, "--width attend un nombre entier de pixels de 200 à 8000"},
        {{good, "--image", "shot.gif"}, "type d'image inconnu pour shot.gif : le nom doit finir par .svg, .pdf ou .png"},
        // Targets that are not replaced: status 1.
        {{good, "-o", "locked.txt"}, "impossible d'écrire locked.txt : fichier en lecture seule", "", 1},
        {{good, "-o", "folder"}, "impossible d'écrire folder : c'est un dossier", "", 1},
        {{good, "-o", "no/folder/out.txt"}, "impossible d'écrire no/folder/out.txt : fichier introuvable", "", 1},
    };
    for (const Case& c : cases)
    {
        const ToolRun run = RunTool(folder, c.args, c.input);
        EXPECT_EQ(std::tuple(run.status, run.out, run.err),
                  std::tuple(c.status, std::string(), "mirobelt-shot : " + c.fault + "\n"));
    }
    EXPECT_EQ(ReadText(folder / "locked.txt") + folder.Listing(),
              "old\nfolder;large.bi1;locked.txt;long.bi1;other.txt;shot.bi1;");

    // A device is written to, and stays a device.
    EXPECT_EQ(RunTool(folder, {good, "-o", "/dev/null"}).status, 0);
    struct stat info{};
    EXPECT_TRUE(stat("/dev/null", &info) == 0 && S_ISCHR(info.st_mode));
    const ToolRun help = RunTool(folder, {"--help"});
    EXPECT_EQ(std::pair(help.status, help.out.substr(0, 34)),
              std::pair(0, std::string("usage : mirobelt-shot POSITION.bi1")));
}

#endif  // MIROBELT_SHOT_TOOL
