// SPDX-License-Identifier: GPL-3.0-or-later
// Table diagrams written as SVG, PDF and PNG files, from the component, the
// window's command and the mirobelt-shot tool.

#include <QSet>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "GuiTestSupport.h"
#include "app/DiagramExportCommand.h"
#include "diagram/DiagramExport.h"
#include "diagram/PrintedDiagram.h"
#include "diagram/StrokeText.h"

namespace
{
// White and red move (a bounce off the top cushion for the white); the spotted
// ball stays where it is.
TableDiagram ShotDiagram(bool colour)
{
    TableDiagram d = MakeTableDiagram(TableGeometry{}, 2, colour);
    const TablePoint places[3] = {{0.5, 0.6}, {1.5, 0.3}, {2.0, 1.0}};
    for (int b = 0; b < 3; ++b)
        d.balls[b] = {places[b].x, places[b].y, d.balls[b].outline, d.balls[b].fill};
    for (int k = 0; k <= 100; ++k)
    {
        d.trajectories[0].push_back({0.5 + 0.01 * k, std::abs(0.6 - 0.012 * k)});
        d.trajectories[1].push_back({1.5 + 0.005 * k, 0.3 + 0.004 * k});
        d.trajectories[2].push_back(places[2]);
    }
    return d;
}

// Every number of the SVG's shapes, in the order written.
std::vector<double> SvgNumbers(const QByteArray& svg, const QString& element, const QString& attribute)
{
    std::vector<double> numbers;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd())
    {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != element)
            continue;
        const QString text = reader.attributes().value(attribute).toString();
        for (const QString& word : text.split(QRegularExpression("[ ,]"), Qt::SkipEmptyParts))
            numbers.push_back(word.toDouble());
    }
    return numbers;
}

// Rails and cushions of the default geometry, and a 1600-pixel drawing's scale.
constexpr double kBorder = 0.08 + 0.04;
constexpr double kScale = 1600 / (2.55 + 2 * kBorder);

double PixelX(double x)
{
    return (kBorder + kDefaultBallRadius + x) * kScale;
}
}  // namespace

// Balls and paths stand at their exact places, not on a pixel grid.
TEST(DiagramExport, SvgCoordinatesKeepTheirFractions)
{
    const QByteArray svg = RenderDiagram(ShotDiagram(false), DiagramFormat::Svg, 1600);
    ASSERT_TRUE(QSvgRenderer(svg).isValid());

    // The white ball's circle: its centre at 0.5 m is 201.0466 pixels.
    const std::vector<double> centres = SvgNumbers(svg, "circle", "cx");
    ASSERT_GT(PixelX(0.5) - std::floor(PixelX(0.5)), 0.04);
    EXPECT_TRUE(std::any_of(centres.begin(), centres.end(), [](double x) { return std::abs(x - PixelX(0.5)) < 1e-3; }))
        << svg.left(4000).toStdString();

    // The white's path, one polyline through every place: 0.01 m apart is
    // 5.7 pixels, each at its own fraction of a pixel.
    std::vector<double> points = SvgNumbers(svg, "polyline", "points");
    int fractional = 0;
    for (const double v : points)
        fractional += std::abs(v - std::round(v)) > 1e-3;
    EXPECT_GT(fractional, static_cast<int>(points.size()) * 3 / 4);
    int onPath = 0;
    for (int k = 0; k <= 95; ++k)  // the path stops at the outline of the ball's final place
        onPath += std::any_of(points.begin(), points.end(),
                              [&](double x) { return std::abs(x - PixelX(0.5 + 0.01 * k)) < 2e-3; });
    EXPECT_EQ(onPath, 96);
}

// In black and white the white is an open circle, the red filled, the spotted
// open with a dot; the edges are smoothed.
TEST(DiagramExport, BallsDifferInMonochromePng)
{
    TableDiagram d = ShotDiagram(false);
    for (auto& path : d.trajectories)
        path.clear();
    const QImage png = QImage::fromData(RenderDiagram(d, DiagramFormat::Png, 1600), "PNG");
    ASSERT_EQ(png.width(), 1600);
    const double r = kDefaultBallRadius * kScale;
    auto grey = [&](double x, double y, double offset) {
        return qGray(png.pixel(static_cast<int>(PixelX(x) + offset), static_cast<int>(PixelX(y))));
    };
    // Centre, and half-way to the rim.
    EXPECT_EQ(std::pair(grey(0.5, 0.6, 0) > 200, grey(0.5, 0.6, 0.6 * r) > 200), std::pair(true, true));
    EXPECT_EQ(std::pair(grey(1.5, 0.3, 0) > 200, grey(1.5, 0.3, 0.6 * r) > 200), std::pair(false, false));
    EXPECT_EQ(std::pair(grey(2.0, 1.0, 0) > 200, grey(2.0, 1.0, 0.6 * r) > 200), std::pair(false, true));

    QSet<QRgb> colours;
    for (int y = 0; y < png.height(); y += 3)
        for (int x = 0; x < png.width(); x += 3)
            colours.insert(png.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

// Each arrowhead lies on the path, pointing the way the ball went.
TEST(DiagramExport, ArrowheadsPointAlongTheMotion)
{
    const std::vector<TablePoint> corner = {{0, 0}, {0.5, 0}, {1, 0}, {1, 0}, {1, -0.5}};
    const std::vector<PathArrow> arrows = ArrowsAlong(corner, 0.45);
    ASSERT_EQ(arrows.size(), 3u);
    const double expected[3][4] = {{0.225, 0, 1, 0}, {0.675, 0, 1, 0}, {1, -0.125, 0, -1}};
    for (int k = 0; k < 3; ++k)
    {
        EXPECT_NEAR(arrows[k].tip.x, expected[k][0], 1e-12) << k;
        EXPECT_NEAR(arrows[k].tip.y, expected[k][1], 1e-12) << k;
        EXPECT_EQ(std::pair(arrows[k].dx, arrows[k].dy), std::pair(expected[k][2], expected[k][3])) << k;
    }
    EXPECT_TRUE(ArrowsAlong({{1, 1}, {1, 1}}, 0.4).empty());
    EXPECT_TRUE(ArrowsAlong(corner, 0).empty());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(ArrowsAlong({{0, 0}, {1e150, 0}, {nan, 0}, {0, 1e300}}, 0.4).empty());  // from a hostile file

    // Drawn: left of each head's tip on the horizontal stretch lies its body.
    TableDiagram d = ShotDiagram(false);
    d.notes.cueBall = 0;
    d.trajectories[0] = {{0.5, 0.6}, {2.2, 0.6}};
    d.trajectories[1].clear();
    const QImage png = QImage::fromData(RenderDiagram(d, DiagramFormat::Png, 1600), "PNG");
    const double tipX = PixelX(0.5 + 0.45 * 1.5);
    const double across = 4;  // pixels off the line: inside a head, outside the line
    EXPECT_LT(qGray(png.pixel(static_cast<int>(tipX - 15), static_cast<int>(PixelX(0.6) + across))), 128);
    EXPECT_GT(qGray(png.pixel(static_cast<int>(tipX + 15), static_cast<int>(PixelX(0.6) + across))), 200);
}

TEST(DiagramExport, StrokeAsPlayersReadIt)
{
    ShotSetup setup;
    setup.aimOriginX = 1, setup.aimOriginY = 1, setup.aimTargetX = 1, setup.aimTargetY = 0;  // straight up
    setup.strikeHeight = -0.4;  // above the centre
    setup.strikeSide = -0.2;
    setup.force = 0.65;
    setup.raiseAngle = 0;
    EXPECT_EQ(StrokeLine(StrokeOf(setup)), "Visée 270,0° · Hauteur +0,40 · Côté −0,20 · Force 0,65 · Queue 0°");
    EXPECT_EQ(DiagramNumber(-0.001, 2, true), "0,00");
    setup.aimTargetX = 2, setup.aimTargetY = 0.9999;  // a hair above the right: 359,994°
    EXPECT_EQ(StrokeLine(StrokeOf(setup)).substr(0, 12), "Visée 0,0°");
}

TEST(DiagramExport, RefusesUnknownTypesAndFilesTheUserCannotWrite)
{
    ScopedWorkingFolder folder;
    ViewHarness h(600, 400);
    EXPECT_EQ(ExportViewDiagram(*h.view, folder.File("table.jpg"), 1600),
              "Type d'image inconnu pour table.jpg : choisissez un nom en .svg, .pdf ou .png");
    EXPECT_FALSE(QFile::exists(folder.File("table.jpg")));
    EXPECT_EQ(ExportDiagram(ShotDiagram(true), folder.File("a.png").toStdString(), 50), DiagramExportStatus::BadWidth);

    const QString locked = folder.File("locked.svg");
    QFile::copy(QStringLiteral(MIROBELT_SOURCE_DIR "/CMakeLists.txt"), locked);
    ASSERT_EQ(chmod(locked.toLocal8Bit().constData(), 0444), 0);
    bool ok = true;
    EXPECT_EQ(ExportViewDiagram(*h.view, locked, 1600, &ok), "Impossible d'enregistrer l'image locked.svg");
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadFile(locked), ReadFile(QStringLiteral(MIROBELT_SOURCE_DIR "/CMakeLists.txt")));

    // A link keeps pointing at its file, which gets the image.
    ASSERT_TRUE(QFile::link(folder.File("real.PNG"), folder.File("link.png")));
    EXPECT_EQ(ExportViewDiagram(*h.view, folder.File("link.png"), 700), "Image exportée : link.png");
    EXPECT_EQ(QFile::symLinkTarget(folder.File("link.png")), folder.File("real.PNG"));
    EXPECT_EQ(QImage(folder.File("real.PNG")).width(), 700);
}

// The window's command: a file name, then one dialog for a PNG's width (1600
// pixels to start with, in steps of 100) and the thickness of the paths.
TEST(DiagramExport, CommandAsksForTheFileThenWidthAndThickness)
{
    ScopedWorkingFolder folder;
    ViewHarness h(600, 400);
    QString asked;
    auto answer = [&](const QString& name, int width) {
        OnTheNextDialog([&, name, width](QDialog& files) {
            qobject_cast<QFileDialog*>(&files)->selectFile(folder.File(name));
            OnTheNextDialog([&, width](QDialog& options) {
                auto* widthBox = options.findChild<QSpinBox*>();
                auto* thickness = options.findChild<QComboBox*>();
                asked = QStringLiteral("%1 %2 %3")
                            .arg(widthBox == nullptr ? QStringLiteral("-")
                                                     : QStringLiteral("%1/%2").arg(widthBox->value()).arg(widthBox->singleStep()))
                            .arg(thickness->currentText())
                            .arg(thickness->count());
                if (widthBox != nullptr)
                    widthBox->setValue(width);
                thickness->setCurrentIndex(2);
                options.accept();
            });
            files.accept();
        });
    };
    answer("table.png", 700);
    EXPECT_EQ(RunDiagramExportCommand(*h.view, h.view.get()), "Image exportée : table.png");
    EXPECT_EQ(asked, "1600/100 Normales 3");
    EXPECT_EQ(QImage(folder.File("table.png")).width(), 700);

    answer("table.svg", 0);
    EXPECT_EQ(RunDiagramExportCommand(*h.view, h.view.get()), "Image exportée : table.svg");
    EXPECT_EQ(asked, "- Normales 3");
    EXPECT_TRUE(ReadFile(folder.File("table.svg")).contains("<title>table</title>"));
}

TEST(DiagramExport, ToolDrawsThePositionWithItsComputedShot)
{
    ScopedWorkingFolder folder;
    WriteFile("shot.bi1", "Billard_KVO_le_3_aout_99\n0.8\n0.4\n0.3\n0.4\n2.0\n1.0\n0\n0\n0\n0.5\n1\n0.3\n0.8\n0.4\n0.4\n50\n2\n");
    auto run = [&](const QStringList& args) {
        QProcess tool;
        tool.setWorkingDirectory(folder.Path());
        tool.start(QStringLiteral(MIROBELT_SHOT_TOOL), QStringList{"shot.bi1"} + args);
        tool.waitForFinished(60000);
        return std::pair(tool.exitCode(), tool.readAllStandardOutput());
    };
    auto polylines = [&](const QString& name) { return ReadFile(folder.File(name)).count("<polyline"); };
    EXPECT_EQ(run({"--image", "shot.png", "--width", "800"}), std::pair(0, QByteArray()));
    EXPECT_EQ(QImage(folder.File("shot.png")).width(), 800);
    EXPECT_EQ(run({"--image", "shot.svg", "--mono", "--line-width", "thick", "--title", "Exercice 7"}).first, 0);
    EXPECT_TRUE(QSvgRenderer(folder.File("shot.svg")).isValid());
    EXPECT_TRUE(ReadFile(folder.File("shot.svg")).contains("<title>Exercice 7</title>"));
    EXPECT_EQ(run({"--image", "alone.svg", "--no-trajectories"}).first, 0);
    EXPECT_GT(polylines("shot.svg"), polylines("alone.svg"));  // the paths of the moving balls
    EXPECT_EQ(run({"--image", "shot.png", "--line-width", "huge"}).first, 2);
    EXPECT_EQ(run({"--image", "missing/shot.png"}).first, 1);
}
