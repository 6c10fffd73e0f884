// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise sheets: the PDF of a position and its solutions, from the
// component and the mirobelt-solve tool (the panel's: finder_panel_test).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "../finder/FinderFixture.h"
#include "GuiTestSupport.h"
#include "diagram/ExerciseSheet.h"

namespace
{
// A sheet of count solutions of one computed shot, each with its own aim and window.
ExerciseSheet SheetOf(int count)
{
    ExerciseSheet sheet;
    sheet.title = "Position inconnue";
    sheet.gameTitle = "Une bande";
    sheet.position = CannonSetup(0.3);
    sheet.position.aimTargetX = 2;
    sheet.position.aimTargetY = 0.64;
    CMirobeltDoc doc;
    const ComputedShot shot = ComputeShot(doc, sheet.position);
    for (int k = 0; k < count; ++k)
    {
        SheetSolution s;
        s.rank = k + 1;
        s.stroke = StrokeOf(sheet.position);
        s.stroke.aimDegrees = 10.2 + k;
        s.stroke.height = -0.35;
        s.windowDegrees = 3.5 - k * 0.5;
        s.firstBall = 1;
        s.cushionLetters = "H";
        s.shot = shot;
        sheet.solutions.push_back(s);
    }
    return sheet;
}
}  // namespace

// The position alone on the first page, then two solutions a page, each with
// its rank, window and stroke.
TEST(ExerciseSheet, PositionThenTwoSolutionsAPage)
{
    ScopedWorkingFolder folder;
    for (const int count : {0, 1, 4, 5})
    {
        const QString path = folder.File(QStringLiteral("sheet-%1.pdf").arg(count));
        ASSERT_TRUE(WriteExerciseSheet(SheetOf(count), path.toStdString()));
        const PdfReading pdf = ReadPdf(path);
        EXPECT_EQ(pdf.pages, 1 + (count + 1) / 2) << count;
        EXPECT_EQ(SheetPageCount(count), pdf.pages);
        EXPECT_TRUE(pdf.pageSize.startsWith("842 x 595 pts (A4)")) << pdf.pageSize.toStdString();
        EXPECT_TRUE(pdf.text.contains("Jeu : Une bande · Bille de tir : blanche")) << pdf.text.toStdString();
        // The side text of each solution, a value a line.
        for (int k = 0; k < count; ++k)
        {
            EXPECT_TRUE(pdf.text.contains(QStringLiteral("Solution %1\n").arg(k + 1)));
            EXPECT_TRUE(pdf.text.contains(
                QStringLiteral("Fenêtre %1°\n").arg(QString::number(3.5 - k * 0.5, 'f', 2).replace('.', ','))));
            EXPECT_TRUE(pdf.text.contains(QStringLiteral("Visée %1,2°\n").arg(10 + k))) << pdf.text.toStdString();
        }
        for (const char* value : {"Hauteur −0,35\n", "Côté 0,00\n", "Force 0,30\n", "Queue 0°\n",
                                  "1re bille : rouge\n", "Bandes : H\n"})
            EXPECT_EQ(pdf.text.count(QString::fromUtf8(value)), count) << value;
    }
}

// A position nobody has looked at: the tool's sheet holds the solutions it lists.
TEST(ExerciseSheet, SolveToolWritesTheSheetOfItsSolutions)
{
    ScopedWorkingFolder folder;
    WriteFile("fresh.bi1",
              "Billard_KVO_le_3_aout_99\n1.63\n0.91\n0.72\n0.37\n2.05\n0.28\n0\n0\n0\n0.45\n1\n0.72\n1.63\n0.37\n0.91\n50\n2\n");
    QProcess tool;
    tool.setWorkingDirectory(folder.Path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MIROBELT_LANG", "fr");  // the sheet's French words, whatever the user chose
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(MIROBELT_SOLVE_TOOL),
               {"fresh.bi1", "--game", "libre", "--aim-only", "--top", "3", "--json", "--sheet", "fresh.pdf"});
    ASSERT_TRUE(tool.waitForFinished(300000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QJsonArray solutions =
        QJsonDocument::fromJson(tool.readAllStandardOutput()).object().value("solutions").toArray();
    ASSERT_GT(solutions.size(), 0);

    const PdfReading pdf = ReadPdf(folder.File("fresh.pdf"));
    EXPECT_EQ(pdf.pages, 1 + (solutions.size() + 1) / 2);
    EXPECT_TRUE(pdf.text.contains("fresh")) << pdf.text.toStdString();
    EXPECT_TRUE(pdf.text.contains("Jeu : Libre"));
    EXPECT_EQ(pdf.text.count("Force 0,45\n"), solutions.size());
    for (const QJsonValue& value : solutions)
    {
        const QJsonObject s = value.toObject();
        const QString aim = QString::number(s.value("aim_deg").toDouble(), 'f', 1).replace('.', ',');
        const QString window = QString::number(s.value("window_deg").toDouble(), 'f', 2).replace('.', ',');
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("Solution %1\n").arg(s.value("rank").toInt())));
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("Fenêtre %1°\n").arg(window))) << pdf.text.toStdString();
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("Visée %1°\n").arg(aim)));
    }

    tool.start(QStringLiteral(MIROBELT_SOLVE_TOOL), {"fresh.bi1", "--game", "libre", "--sheet", "fresh.png"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    // In English: the sheet's words and its decimal points.
    environment.insert("MIROBELT_LANG", "en");
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(MIROBELT_SOLVE_TOOL),
               {"fresh.bi1", "--game", "libre", "--aim-only", "--top", "3", "--sheet", "english.pdf"});
    ASSERT_TRUE(tool.waitForFinished(300000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const PdfReading english = ReadPdf(folder.File("english.pdf"));
    EXPECT_EQ(english.pages, pdf.pages);
    EXPECT_TRUE(english.text.contains("Game: Straight rail")) << english.text.toStdString();
    EXPECT_EQ(english.text.count("Force 0.45\n"), solutions.size());
    EXPECT_FALSE(english.text.contains(QStringLiteral("Fenêtre")));
}
