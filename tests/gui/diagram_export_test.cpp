// Table diagrams written as SVG, PDF and PNG files, from the component, the
// window's command and the mirobelt-shot tool.

#include <QProcess>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <map>

#include "GuiTestSupport.h"
#include "app/DiagramExportCommand.h"
#include "diagram/DiagramExport.h"

namespace
{
// The pixel of a table place at width px, worked out from the table's sizes:
// the bed between the cushion noses, the rails and cushions around it, the
// ball centre at 0 m one ball radius inside the cushion nose.
struct Mapping
{
    explicit Mapping(int width) : perPixel((2.55 + 2 * (0.08 + 0.04)) / (width - 1)) {}
    QPoint operator()(TablePoint p) const { return QPoint(int(p.x * scale + origin), int(p.y * scale + origin)); }
    double perPixel;
    int radius = int(0.0305 / perPixel), bed = int(2.55 / perPixel), bedWidth = int(1.275 / perPixel);
    int margin = int(0.08 / perPixel) + int(0.04 / perPixel), origin = margin + radius;
    double scale = (bed - 2 * radius) / (2.55 - 2 * 0.0305);
};

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

struct SvgShapes
{
    std::map<QString, std::vector<QPointF>> circles;           // centres by fill colour
    std::map<QString, std::vector<QList<QPoint>>> polylines;   // points by stroke colour
};

SvgShapes ParseSvg(const QByteArray& svg)
{
    SvgShapes shapes;
    QXmlStreamReader xml(svg);
    QString fill, stroke;  // of the group around the shape
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("g"))
            std::tie(fill, stroke) = std::pair(a.value("fill").toString(), a.value("stroke").toString());
        else if (xml.name() == QLatin1String("circle") || xml.name() == QLatin1String("ellipse"))
            shapes.circles[fill].push_back(QPointF(a.value("cx").toDouble(), a.value("cy").toDouble()));
        else if (xml.name() == QLatin1String("polyline"))
        {
            QList<QPoint> points;
            for (const QString& pair : a.value("points").toString().split(' ', Qt::SkipEmptyParts))
                points << QPoint(pair.section(',', 0, 0).toInt(), pair.section(',', 1, 1).toInt());
            shapes.polylines[stroke].push_back(points);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return shapes;
}

}  // namespace

TEST(DiagramExport, SvgHasACirclePerBallAndAPolylinePerMovingBall)
{
    const TableDiagram d = ShotDiagram(true);
    const QByteArray text = RenderDiagram(d, DiagramFormat::Svg, 1600);
    const SvgShapes svg = ParseSvg(text);
    const Mapping map(1600);
    const QString colours[3] = {"#ffffff", "#ff0000", "#ffff00"};
    for (int b = 0; b < 3; ++b)
    {
        // The ball's disc spans [x - r, x + r), so its centre is half a pixel before the place's pixel.
        const auto& discs = svg.circles.at(colours[b]);
        ASSERT_EQ(discs.size(), 1u) << b;
        EXPECT_EQ(discs[0] + QPointF(0.5, 0.5), QPointF(map({d.balls[b].x, d.balls[b].y}))) << b;
        if (b == 2)
            break;
        const auto& lines = svg.polylines.at(colours[b]);
        ASSERT_EQ(lines.size(), 1u) << b;
        EXPECT_EQ(lines[0].first(), map(d.trajectories[b].front())) << b;
        EXPECT_EQ(lines[0].last(), map(d.trajectories[b].back())) << b;
    }
    EXPECT_EQ(svg.polylines.count(colours[2]), 0u);  // the spotted ball did not move
    EXPECT_GT(svg.polylines.at(colours[0])[0].size(), 50);  // a line through the places, not a chord

    // Drawn by an SVG viewer, as checked by eye.
    QSvgRenderer viewer(text);
    QImage shown(800, 432, QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    viewer.render(&painter);
    painter.end();
    ExpectGolden(shown, "diagram-svg");
}

// The PNG in colour with the 71/2 frame, in monochrome with the 47 frame.
TEST(DiagramExport, PngPicturesAsCheckedByEye)
{
    for (const bool colour : {true, false})
    {
        TableDiagram d = ShotDiagram(colour);
        d.frameStyle = colour ? 2 : 1;
        const QImage png = QImage::fromData(RenderDiagram(d, DiagramFormat::Png, 900), "PNG");
        ExpectGolden(png, colour ? "diagram-colour" : "diagram-monochrome");
    }
    const QByteArray pdf = RenderDiagram(ShotDiagram(true), DiagramFormat::Pdf, 1600);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
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

TEST(DiagramExport, ToolDrawsThePositionWithItsComputedShot)
{
    ScopedWorkingFolder folder;
    QFile position(folder.File("shot.bi1"));
    ASSERT_TRUE(position.open(QIODevice::WriteOnly) &&
                position.write("Billard_KVO_le_3_aout_99\n0.8\n0.4\n0.3\n0.4\n2.0\n1.0\n0\n0\n0\n0.5\n1\n0.3\n0.8\n"
                               "0.4\n0.4\n50\n2\n") > 0);
    position.close();
    auto run = [&](const QStringList& args) {
        QProcess tool;
        tool.setWorkingDirectory(folder.Path());
        tool.start(QStringLiteral(MIROBELT_SHOT_TOOL), QStringList{"shot.bi1"} + args);
        tool.waitForFinished(60000);
        return std::pair(tool.exitCode(), tool.readAllStandardOutput());
    };
    EXPECT_EQ(run({"--image", "shot.png", "--width", "800"}), std::pair(0, QByteArray()));
    ExpectGolden(QImage(folder.File("shot.png")), "diagram-of-a-computed-shot");
    EXPECT_EQ(run({"--image", "shot.svg"}).first, 0);
    EXPECT_EQ(ParseSvg(ReadFile(folder.File("shot.svg"))).polylines.at("#ffffff").size(), 1u);
    EXPECT_EQ(run({"--image", "shot.gif"}).first, 2);
    EXPECT_EQ(run({"--image", "shot.png", "--width", "12"}).first, 2);
    EXPECT_EQ(run({"--image", "missing/shot.png"}).first, 1);
}
