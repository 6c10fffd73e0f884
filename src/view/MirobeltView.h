// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table view: it draws the set-up and the position list its model holds,
// turns pointer and key input into changes of them, and keeps what is its own:
// the layout, what it last drew, the gesture in progress, the markers, the
// display options and the playback of a shot.

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "platform/Gdi.h"
#include "platform/KeyInput.h"
#include "positions/PositionEntry.h"
#include "positions/PositionFile.h"
#include "setup/gui/SetUpModel.h"
#include "sim/MirobeltDoc.h"
#include "view/PlaybackTimers.h"
#include "view/ViewRecords.h"

// Pointer message flags.
constexpr std::uint32_t MK_LBUTTON = 0x0001;
constexpr std::uint32_t MK_RBUTTON = 0x0002;
constexpr std::uint32_t MK_CONTROL = 0x0008;

constexpr int kMarkerCount = 10;
constexpr unsigned DEMO_TIMER_PERIOD_MS = 88;

class CMirobeltView : public QWidget
{
    Q_OBJECT

public:
    // Without a model the view makes one of its own.
    explicit CMirobeltView(CMirobeltDoc* doc, QWidget* parent = nullptr, SetUpModel* model = nullptr);
    ~CMirobeltView() override;

    CMirobeltDoc* GetDocument() const { return m_pDoc; }
    SetUpModel* Model() const { return m_pModel; }

    // --- The model ----------------------------------------------------------
    // The set-up and the list the view shows: the model's.
    const TableSetUp& SetUp() const { return m_pModel->Current(); }
    const PositionList& List() const { return m_pModel->List(); }
    // The same for writing, while a ModelStep is open.
    TableSetUp& EditSetUp() { return m_pModel->Edited().setUp; }
    PositionList& EditList() { return m_pModel->Edited().list; }
    // The view's handlers edit the model in place; what they change makes one
    // undo step when the outermost of them ends: the first name an inner
    // handler gives, or one said by what changed.
    class ModelStep
    {
    public:
        // ofGesture: opened by a pointer or key event, whose changes merge
        // with the earlier ones of the same drag or held key.
        ModelStep(CMirobeltView& view, const QString& name = {}, bool ofGesture = false);
        ~ModelStep();
        ModelStep(const ModelStep&) = delete;
        ModelStep& operator=(const ModelStep&) = delete;

    private:
        CMirobeltView& m_view;
    };

    // --- Drawing toolkit and layout ---------------------------------------
    // The whole-window drawing context: a painter on the view's picture.
    // Releasing it puts what was drawn on the screen at once.
    CDC* AcquireWindowDC();
    void ReleaseWindowDC(CDC* dc);
    const QImage& Picture() const { return m_picture; }
    // Lays the table out for the window's size and the table format, and the
    // cue widgets' boxes under it, where the pointer finds them.
    void ComputeLayout(const TableGeometry& geometry);
    double MetresPerPixel() const { return m_dMetresPerPixel; }
    int MapX(double x) const;  // table metres to window pixels
    int MapY(double y) const;
    double PixelToTableX(int px) const;
    double PixelToTableY(int py) const;

    // --- Table, balls, widgets, whole view ---------------------------------
    void DrawTable(CDC& dc, const TableGeometry& geometry);
    void DrawTableMarks(CDC& dc, const TableGeometry& geometry);
    void DrawStrikeBall(CDC& dc, int drawWidth, int drawHeight, double height, double side, double scale);
    void DrawRaiseCursor(CDC& dc, int drawWidth, int drawHeight, double angle);
    void DrawForceBar(CDC& dc, int drawWidth, int drawHeight, double force);
    void OnDraw(CDC* ignored);
    void DrawBalls(CDC& dc);  // red, white, spotted, not erasing
    // Line through the positions of ball b (0 white, 1 red, 2 spotted) at
    // trajectory times 1 to n - 1, in the ball's trajectory pen; with
    // dotSpacing > 0 a small dot every dotSpacing + 1 units.
    void DrawTrajectory(CDC& dc, int ball, int dotSpacing);

    // Display commands.
    void OnModeArtistic();
    void OnModeNormal();
    void OnColour();
    void OnMonochrome();
    void OnShowMarkers();
    void OnFrameStyle();
    void OnTableFormat();
    // Steps shared by the table-format command, opening a file and going to a
    // position: the table and the document take format, the balls go back to
    // their places when the table cannot hold them, and the whole view is drawn.
    void ApplyTableFormat(int format);

    // --- Shot request -------------------------------------------------------
    void ComputeShot(int displayMode);
    // Puts the aim, strike, raise and force of setup in the set-up (the balls
    // stay), draws its trajectories as the double-click does, and the aim
    // aids over them.
    void ApplyShotSetup(const ShotSetup& setup);

    // --- Mouse and keyboard -------------------------------------------------
    void OnLButtonDown(std::uint32_t flags, QPoint point);
    void OnLButtonUp(std::uint32_t flags, QPoint point);
    void OnMouseMove(std::uint32_t flags, QPoint point);
    void OnRButtonDown(std::uint32_t flags, QPoint point);
    void OnRButtonUp(std::uint32_t flags, QPoint point);
    void OnLButtonDblClk(std::uint32_t flags, QPoint point);
    void OnKeyDown(std::uint32_t key, std::uint32_t repeatCount, std::uint32_t flags);

    // --- Playback -----------------------------------------------------------
    void AnimateShotStep();
    // Draws the frame that is due and asks for the next one; the shot plays
    // from the frame timer while the window goes on handling its events.
    void PlayNextFrame();
    // Stops the frames of a shot and the demonstration's pause before one.
    void StopPlayLoop();
    void OnShotFinalPosition();
    void OnShotPlay();
    void OnShotInterrupt();
    void OnShowTrajectory();
    void RecomputeIfNeeded();
    // The gesture latched by the current drag (-1: not yet decided).
    int LatchedGesture() const { return m_nMouseGesture; }
    // The first whole-view draw loads the demonstration sequence; a view
    // marked before it is first shown never does.
    bool FirstDrawDone() const { return m_bFirstDrawDone; }
    void MarkFirstDrawDone() { m_bFirstDrawDone = true; }

    // A shot is being played on the table.
    bool IsAnimating() const { return m_bAnimating != 0 || m_bPlayLoop != 0; }
    // The demonstration shows a position before playing its shot.
    bool IsPausingBeforeShot() const { return m_playback.Pausing(); }

    // --- Positions ----------------------------------------------------------
    void RecordPosition();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // The file half of the open and save-as commands (after the dialog).
    void OpenPositionFile(const QString& path);
    bool SavePositionFile(const QString& path, const char* header);
    void GoToPosition();
    void OnPositionPrev();
    void OnPositionNext();
    void OnPositionDelete();
    void OnPlayAndNext();
    void OnPositionListSave();
    void OnPositionListLoad();
    void OnTimer(int timerId);
    void LoadDemoSequence();
    void ExportTrajectories();
    void StartDemoTimer();
    void KillDemoTimer();

    // File dialogs; replaceable so that the commands can run unattended.
    std::function<QString()> m_chooseOpenPath;
    std::function<QString()> m_chooseSavePath;

    // --- Layout (written by ComputeLayout) ----------------------------------
    std::int32_t m_nDrawWidth = 0;
    std::int32_t m_nDrawHeight = 0;
    std::int32_t m_nBallRadiusPx = 0;
    std::int32_t m_nTableLengthPx = 0;
    std::int32_t m_nTableWidthPx = 0;
    std::int32_t m_nMarginPx = 0;
    std::int32_t m_nCushionPx = 0;
    std::int32_t m_nOriginPx = 0;
    std::int32_t m_nTableTotalWidthPx = 10000;  // table length in px + both margins + 1
    double m_dPixPerMetreX = 1;
    double m_dMetrePerPixX = 1;
    double m_dBallRadius = kDefaultBallRadius;
    double m_dCentreMinX = 0;
    double m_dCentreMinY = 0;
    double m_dCentreMaxX = kDefaultTableLength - 2 * kDefaultBallRadius;
    double m_dCentreMaxY = kDefaultTableWidth - 2 * kDefaultBallRadius;

    // --- Colours -------------------------------------------------------------
    COLORREF m_crRail;
    COLORREF m_crSight;
    COLORREF m_crAimLine;
    COLORREF m_crCloth;
    COLORREF m_crWhite;
    COLORREF m_crSpottedBall;
    COLORREF m_crRedBall;

    // --- Set-up of the next shot --------------------------------------------
    // How the balls are drawn and held; where they are is the model's.
    CViewBall m_balls[3];  // white, red, spotted
    CMarker m_markers[kMarkerCount];
    CWidgetRect m_strikeWidget;
    CWidgetRect m_forceBar;
    CWidgetRect m_raiseCursor;
    CAimLine m_aim;  // the aim line as last drawn
    CAimAid m_aimAid;

    // --- Interaction and playback flags --------------------------------------
    std::int32_t m_bSetupChanged = 1;
    std::int32_t m_bAnimating = 0;
    std::int32_t m_bPlayLoop = 0;
    std::uint32_t m_nDemoTimer = 0;
    std::uint32_t m_nAnimTick = 0;
    std::int32_t m_nFrameStyle = 0;

    std::int32_t m_nSaveCounter = 0;  // the next numbered name the save dialog offers

signals:
    // A position file opened or saved under a chosen name (recent files).
    void positionFileUsed(const QString& path);
    // A short note for the status bar's message pane.
    void statusMessage(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    void focusOutEvent(QFocusEvent* event) override;

private:
    void CommitToModel(const QString& stepName);
    // The model changed from elsewhere (undo, the stroke panel, ...): the
    // view takes its set-up and list and draws the whole window.
    void OnModelChanged(const TableSetUp& setUp, SetUpParts parts);
    void LayOutWidgets();
    // The colours of the table and balls the window starts with.
    void UseColourLook();

    void Present(const QRegion& area);
    // Makes the picture fit the window's size and the screen's pixel ratio; a
    // new picture starts white and is drawn whole. False when it already fitted.
    bool FitPicture();

    CMirobeltDoc* m_pDoc;
    SetUpModel* m_pModel;
    int m_nStepDepth = 0;      // handlers running inside one ModelStep
    QString m_pendingStepName;
    int m_nGesture = 0;        // the drag or held key in progress, for merging its steps
    bool m_bGestureStep = false;
    bool m_bCommitting = false;  // the model's change signal is the view's own step coming back
    std::int32_t m_nMouseGesture = -1;
    bool m_bFirstDrawDone = false;
    QImage m_picture;      // persistent picture of the window, at the screen's pixel ratio
    bool m_bInPaint = false;
    // What the layout was last computed for; a view that was never laid out
    // has format -1.
    struct LaidOutFor
    {
        std::int32_t format = -1;
        std::int32_t width = 0;
        std::int32_t height = 0;
        bool operator==(const LaidOutFor&) const = default;
    };
    LaidOutFor m_laidOutFor;
    double m_dMetresPerPixel = 0;
    HeldKeys m_heldKeys;
    PlaybackTimers m_playback{[this] { PlayNextFrame(); }, [this] { OnShotPlay(); }};
};
