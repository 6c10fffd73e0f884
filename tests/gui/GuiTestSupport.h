// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared set-up of the headless window tests: one QApplication for the whole
// test program (offscreen platform), a working folder of its own, a view with
// its document at a chosen size or a whole main window; and the headers every
// window test uses.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "app/MirobeltApp.h"
#include "platform/KeyInput.h"
#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/MirobeltDoc.h"
#include "positions/StartPosition.h"
#include "view/MirobeltView.h"

// Resets the program-wide words of the view, the drawing and the simulation
// to their start values.
void ResetProgramState();

// The view's set-up and list written as one of its handlers writes them: one
// model step, and nothing drawn. Edit(v)->force = 0.5;
class SetUpEdit
{
public:
    explicit SetUpEdit(CMirobeltView& view) : m_step(view), m_view(view) {}
    TableSetUp* operator->() { return &m_view.EditSetUp(); }
    TableSetUp& operator*() { return m_view.EditSetUp(); }
    PositionList& List() { return m_view.EditList(); }

private:
    CMirobeltView::ModelStep m_step;
    CMirobeltView& m_view;
};
inline SetUpEdit Edit(CMirobeltView& view) { return SetUpEdit(view); }

// A fresh temporary working folder, made current for the test.
class ScopedWorkingFolder
{
public:
    ScopedWorkingFolder();
    ~ScopedWorkingFolder();
    QString Path() const { return m_folder.path(); }
    QString File(const QString& name) const { return m_folder.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_folder{QDir::tempPath() + "/mirobelt-test-XXXXXX"};
};

// A document and a shown view whose client area is width x height pixels.
// With firstDrawDone the demonstration load of the first draw is skipped.
struct ViewHarness
{
    explicit ViewHarness(int width = 600, int height = 400, bool firstDrawDone = true);
    ~ViewHarness();

    std::unique_ptr<CMirobeltDoc> doc;
    std::unique_ptr<CMirobeltView> view;

    // Whole-view draw, then the picture.
    const QImage& Draw();
    QRgb Pixel(int x, int y) const;
};

// The main window with a fresh document, its settings and recent files in a
// working folder of its own; no demonstration.
struct FrameHarness
{
    FrameHarness();
    ~FrameHarness();

    ScopedWorkingFolder folder;
    std::unique_ptr<CMirobeltDoc> doc;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CRecentFileList> recent;
    std::unique_ptr<CMainFrame> frame;
};

// The fixture of the view tests: a working folder of their own, a view of
// Width x Height pixels, and the status notes it shows.
template <int Width = 600, int Height = 400>
class ViewTest : public ::testing::Test
{
protected:
    ViewTest()
    {
        QObject::connect(&v, &CMirobeltView::statusMessage, [this](const QString& note) { notes << note; });
    }
    ScopedWorkingFolder folder;
    QStringList notes;  // outlives the view
    ViewHarness h{Width, Height};
    CMirobeltView& v = *h.view;
};

inline QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }

// Pointer and key events sent to the view as Qt delivers them.
void Mouse(CMirobeltView& view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Key(CMirobeltView& view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);

// Once the event loop runs again (inside the dialog's own loop), acts on the
// modal dialog then open; a test failure rather than a crash when none is.
void OnTheNextDialog(const std::function<void(QDialog&)>& act);
// A soft draw shot of the white ball to the right, clear of the other balls,
// computed: at the default force of 0.02 under 400 samples, so it plays in
// well under a second.
void SetUpShortShot(CMirobeltView& view, double force = 0.02);
// Handles the window's events until the shot being played (and the
// demonstration's pause before it) is over, or until `until` holds; false
// after 20 s without that.
bool WaitForShotEnd(CMirobeltView& view, const std::function<bool()>& until = {});
// Handles the window's events until done() holds; false after timeoutMs without that.
bool WaitFor(const std::function<bool()>& done, int timeoutMs);
// Fills a part of the window blue straight on its picture, so that what is drawn after shows.
void PaintBlue(CMirobeltView& view, const QRect& area = QRect(0, 0, 500, 300));
// Compares a picture, pixel for pixel, with tests/gui/golden/<name>.png: a
// picture checked by eye when it was made. A picture that differs is left in
// the build folder as <name>.png to look at; MIROBELT_WRITE_GOLDEN=1 writes
// the golden pictures anew instead.
void ExpectGolden(const QImage& picture, const QString& name);
// Writes a whole file (a test failure if it cannot), reads one back ("<missing>" if it cannot).
void WriteFile(const QString& name, const QByteArray& text);
QByteArray ReadFile(const QString& name);

// What a reader sees of a PDF: pdfinfo's page count and page size, pdftotext's text.
struct PdfReading
{
    int pages = 0;
    QString pageSize, text;
};
PdfReading ReadPdf(const QString& path);
