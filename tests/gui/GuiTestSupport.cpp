// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"

#include <algorithm>
#include <cstdlib>

#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

namespace
{
// A set-up changed outside a model step would reach neither undo nor the
// panels: any test that does it fails.
void FailOnStrayChange(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("outside an edit")))
        ADD_FAILURE() << message.toStdString();
    else if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

// Created before any test runs.
QApplication* MakeApplication()
{
    qInstallMessageHandler(FailOnStrayChange);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}
QApplication* const s_application = MakeApplication();
}  // namespace

void ResetProgramState()
{
    ResetDrawingState();
    g_bNoMouseAbort = 0;
    g_nPollCount = 0;
    ClearQuitRequest();
}

ScopedWorkingFolder::ScopedWorkingFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_folder.path());
}

ScopedWorkingFolder::~ScopedWorkingFolder()
{
    QDir::setCurrent(m_previous);
}

ViewHarness::ViewHarness(int width, int height, bool firstDrawDone)
{
    ResetProgramState();
    doc = std::make_unique<CMirobeltDoc>(nullptr);
    view = std::make_unique<CMirobeltView>(doc.get());
    if (firstDrawDone)
        view->MarkFirstDrawDone();
    view->resize(width, height);
    view->show();
    PumpPendingMessages();
}

ViewHarness::~ViewHarness()
{
    view->KillDemoTimer();
    view.reset();
    doc.reset();
    PumpPendingMessages();
}

FrameHarness::FrameHarness()
{
    ResetProgramState();
    doc = std::make_unique<CMirobeltDoc>(nullptr);
    settings = std::make_unique<QSettings>(folder.File("settings.ini"), QSettings::IniFormat);
    recent = std::make_unique<CRecentFileList>(settings.get(), 4);
    frame = std::make_unique<CMainFrame>(doc.get(), recent.get());
    frame->View()->MarkFirstDrawDone();
    frame->show();
    PumpPendingMessages();
}

FrameHarness::~FrameHarness()
{
    if (frame)
        frame->View()->KillDemoTimer();
    frame.reset();
    doc.reset();
    PumpPendingMessages();
    ClearQuitRequest();
}

const QImage& ViewHarness::Draw()
{
    view->OnDraw(nullptr);
    return view->Picture();
}

QRgb ViewHarness::Pixel(int x, int y) const
{
    return view->Picture().pixel(x, y) & 0xFFFFFF;
}

void Mouse(CMirobeltView& view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(&view, &event);
}

void Key(CMirobeltView& view, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(&view, &event);
}

void OnTheNextDialog(const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
        {
            ADD_FAILURE() << "no dialog is open";
            return;
        }
        act(*dialog);
    });
}

bool WaitForShotEnd(CMirobeltView& view, const std::function<bool()>& until)
{
    QElapsedTimer waited;
    waited.start();
    const auto done = [&] { return until ? until() : !view.IsAnimating() && !view.IsPausingBeforeShot(); };
    while (!done())
    {
        if (waited.elapsed() > 20000)
            return false;
        WaitForNextMessage(5);
    }
    return true;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void SetUpShortShot(CMirobeltView& view, double force)
{
    Edit(view)->cueBall = 1;
    Edit(view)->force = force;
    Edit(view)->strikeHeight = 0.5;
    Edit(view)->aim = AimLine{0.1, 0.3, 0.6, 0.3};
    std::tie(Edit(view)->balls[1].x, Edit(view)->balls[1].y, Edit(view)->balls[2].x, Edit(view)->balls[2].y) = std::tuple(1.2, 0.9, 2.0, 1.0);
    view.RecomputeIfNeeded();
}

void PaintBlue(CMirobeltView& view, const QRect& area)
{
    CDC* dc = view.AcquireWindowDC();
    dc->FillSolidRect(area.x(), area.y(), area.width(), area.height(), RGB(0, 0, 255));
    view.ReleaseWindowDC(dc);
}

void ExpectGolden(const QImage& picture, const QString& name)
{
    const QString golden = QStringLiteral(MIROBELT_SOURCE_DIR "/tests/gui/golden/") + name + ".png";
    const QImage actual = picture.convertToFormat(QImage::Format_ARGB32);
    if (qEnvironmentVariableIntValue("MIROBELT_WRITE_GOLDEN") == 1)
    {
        EXPECT_TRUE(actual.save(golden)) << golden.toStdString();
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    QPoint first;
    for (int y = 0; y < std::min(expected.height(), actual.height()); ++y)
        for (int x = 0; x < std::min(expected.width(), actual.width()); ++x)
            if (expected.pixel(x, y) != actual.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    if (differing > 0 || expected.size() != actual.size())
        actual.save(QStringLiteral(MIROBELT_BINARY_DIR "/") + name + ".png");
    EXPECT_EQ(expected.size(), actual.size()) << golden.toStdString();
    EXPECT_EQ(differing, 0) << name.toStdString() << ": the first at " << first.x() << "," << first.y();
}

void WriteFile(const QString& name, const QByteArray& text)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size()) << name.toStdString();
}

QByteArray ReadFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

namespace
{
QString RunPoppler(const QString& program, const QStringList& args)
{
    QProcess tool;
    tool.start(program, args);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " (poppler-utils) could not read the PDF";
    return QString::fromUtf8(tool.readAllStandardOutput());
}
}  // namespace

PdfReading ReadPdf(const QString& path)
{
    PdfReading reading;
    for (const QString& line : RunPoppler(QStringLiteral("pdfinfo"), {path}).split('\n'))
    {
        if (line.startsWith("Pages:"))
            reading.pages = line.mid(6).trimmed().toInt();
        if (line.startsWith("Page size:"))
            reading.pageSize = line.mid(10).trimmed();
    }
    reading.text = RunPoppler(QStringLiteral("pdftotext"), {"-enc", "UTF-8", path, "-"});
    return reading;
}
