// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ExerciseSheet.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "diagram/DiagramExport.h"
#include "diagram/DiagramTexts.h"
#include "diagram/PrintedDiagram.h"
#include "positions/AtomicWrite.h"

namespace
{
// Space between the two diagrams of a page, in text heights.
constexpr double kGapBetweenDiagrams = 2.5;

TableDiagram PositionDiagram(const ExerciseSheet& sheet)
{
    TableDiagram d = MakeTableDiagram(sheet.geometry, sheet.tableFormat, sheet.colour);
    for (int b = 0; b < 3; ++b)
    {
        d.balls[b].x = sheet.position.balls[b].x;
        d.balls[b].y = sheet.position.balls[b].y;
    }
    d.notes.pathWidth = sheet.pathWidth;
    d.notes.cueBall = sheet.position.cueBall - 1;
    return d;
}

TableDiagram SolutionDiagram(const ExerciseSheet& sheet, const SheetSolution& solution)
{
    TableDiagram d = PositionDiagram(sheet);
    AddShot(d, sheet.position, solution.shot);
    return d;
}

// The parts of a line "a · b · c", one a line.
void AddParts(std::vector<std::string>& lines, const std::string& line)
{
    for (const QString& part : QString::fromStdString(line).split(QStringLiteral(" · ")))
        lines.push_back(part.toStdString());
}

// Beside a solution's table: its rank and window, its stroke value by value,
// the game and the way it scores.
std::vector<std::string> SolutionText(const ExerciseSheet& sheet, const SheetSolution& solution)
{
    std::vector<std::string> lines = {
        Diagram::tr("Solution %1").arg(solution.rank).toStdString(),
        Diagram::tr("Fenêtre %1°")
            .arg(QString::fromStdString(DiagramNumber(solution.windowDegrees, 2)))
            .toStdString(),
        {}};
    AddParts(lines, StrokeLine(solution.stroke));
    lines.push_back({});
    lines.push_back(sheet.gameTitle);
    AddParts(lines, ScoringLine(solution.firstBall, solution.cushionLetters, -1));
    return lines;
}
}  // namespace

int SheetPageCount(int solutionCount)
{
    return 1 + (solutionCount + 1) / 2;
}

QByteArray RenderExerciseSheet(const ExerciseSheet& sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    SetUpSheetPage(pdf, QString::fromStdString(sheet.title));
    QPainter painter(&pdf);
    const double textPx = PageTextPx(pdf);
    const QRectF page(0, 0, pdf.width(), pdf.height());

    TableDiagram position = PositionDiagram(sheet);
    position.notes.title = sheet.title;
    const int cueBall = sheet.position.cueBall - 1;
    position.notes.strokeLine = Diagram::tr("Jeu : %1 · Bille de tir : %2")
                                    .arg(QString::fromStdString(sheet.gameTitle),
                                         QString::fromStdString(BallWord(cueBall)))
                                    .toStdString();
    position.notes.detailLine =
        Diagram::tr("%n solution(s) dans les pages suivantes", nullptr,
                                    static_cast<int>(sheet.solutions.size()))
            .toStdString();
    PaintAnnotatedDiagram(painter, position, page, textPx);

    const double gap = kGapBetweenDiagrams * textPx;
    const double half = (page.height() - gap) / 2;
    for (std::size_t k = 0; k < sheet.solutions.size(); ++k)
    {
        if (k % 2 == 0)
            pdf.newPage();
        const QRectF box(page.left(), page.top() + (k % 2) * (half + gap), page.width(), half);
        const SheetSolution& solution = sheet.solutions[k];
        PaintDiagramBesideText(painter, SolutionDiagram(sheet, solution), box, SolutionText(sheet, solution), textPx);
    }
    painter.end();
    return buffer.data();
}

bool WriteExerciseSheet(const ExerciseSheet& sheet, const std::string& path)
{
    const QByteArray bytes = RenderExerciseSheet(sheet);
    return !bytes.isEmpty() && WriteFileAtomically(path, bytes.toStdString());
}
