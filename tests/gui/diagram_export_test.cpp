// Table diagrams written as SVG, PDF and PNG files, from the component, the
// window's command and the mirobelt-shot tool.

#include <QFileDialog>
#include <QProcess>
#include <QSpinBox>
#include <QPainter>
#include <QSvgRenderer>

#include "GuiTestSupport.h"
#include "app/DiagramExportCommand.h"
#include "diagram/DiagramExport.h"

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
}  // namespace

// Where the balls and lines stand: the picture an SVG viewer draws, checked by eye.
TEST(DiagramExport, SvgAsAViewerDrawsIt)
{
    const QByteArray text = RenderDiagram(ShotDiagram(true), DiagramFormat::Svg, 1600);
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

// The window's command: a file name, then for a PNG its width, 1600 pixels to
// start with, in steps of 100.
TEST(DiagramExport, CommandAsksForTheFileThenThePngWidth)
{
    ScopedWorkingFolder folder;
    ViewHarness h(600, 400);
    QString widthAsked;
    OnTheNextDialog([&](QDialog& files) {
        qobject_cast<QFileDialog*>(&files)->selectFile(folder.File("table.png"));
        OnTheNextDialog([&](QDialog& widthDialog) {
            auto* width = widthDialog.findChild<QSpinBox*>();
            widthAsked = QStringLiteral("%1 by %2").arg(width->value()).arg(width->singleStep());
            width->setValue(700);
            widthDialog.accept();
        });
        files.accept();
    });
    EXPECT_EQ(RunDiagramExportCommand(*h.view, h.view.get()), "Image exportée : table.png");
    EXPECT_EQ(widthAsked, "1600 by 100");
    EXPECT_EQ(QImage(folder.File("table.png")).width(), 700);
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
    EXPECT_EQ(run({"--image", "shot.png", "--width", "800"}), std::pair(0, QByteArray()));
    ExpectGolden(QImage(folder.File("shot.png")), "diagram-of-a-computed-shot");
    EXPECT_EQ(run({"--image", "shot.svg"}).first, 0);
    EXPECT_TRUE(QSvgRenderer(folder.File("shot.svg")).isValid());
    EXPECT_EQ(ReadFile(folder.File("shot.svg")).count("<polyline"), 4 + 2);  // the cushion lines; the white's and the red's paths
    EXPECT_EQ(run({"--image", "shot.gif"}).first, 2);
    EXPECT_EQ(run({"--image", "shot.png", "--width", "12"}).first, 2);
    EXPECT_EQ(run({"--image", "missing/shot.png"}).first, 1);
}
