// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A table diagram: rails, cloth, sights, spots, frame lines, markers, balls
// and trajectory lines, described by plain values and drawn onto any drawing
// context. The window, the printer and the image export all draw through it.

#include <string>
#include <vector>

#include "diagram/DiagramLayout.h"
#include "platform/Gdi.h"
#include "sim/TableGeometry.h"

struct TrajectoryBuffer;

// Colours of the colour mode; the monochrome mode draws on white paper.
constexpr COLORREF kRailColour = RGB(128, 128, 0);
constexpr COLORREF kSightColour = RGB(10, 10, 0);
constexpr COLORREF kAimLineColour = RGB(128, 255, 255);
constexpr COLORREF kClothColour = RGB(0, 128, 0);
constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr COLORREF kSpottedBallColour = RGB(255, 255, 0);
constexpr COLORREF kRedBallColour = RGB(255, 0, 0);
constexpr COLORREF kMarkerColour = RGB(0, 0, 255);
constexpr COLORREF kBlackColour = RGB(0, 0, 0);
constexpr COLORREF kGreyColour = RGB(128, 128, 128);

// A place on the table in metres (ball-centre coordinates).
struct TablePoint
{
    double x = 0;
    double y = 0;
};

struct DiagramBall
{
    double x = 0;
    double y = 0;
    COLORREF outline = kBlackColour;
    COLORREF fill = kWhiteColour;
};

struct DiagramMarker
{
    double x = 0;
    double y = 0;
    bool hidden = false;
    COLORREF outline = kWhiteColour;
    COLORREF fill = kMarkerColour;
};

// Widths of the trajectory lines of printed diagrams.
enum class PathWidth
{
    Thin,
    Normal,
    Thick,
};

// What printed diagrams show besides the table (the window draws none of it).
struct DiagramNotes
{
    int cueBall = -1;                           // 0 white, 1 red, 2 spotted; -1 unknown
    std::vector<TablePoint> cushionContacts;    // the cue ball's centre at each cushion contact, in order
    std::vector<TablePoint> objectBallContacts; // ... at its first contact with each object ball, in order
    std::vector<TablePoint> objectBallPlaces;   // that object ball's centre then
    PathWidth pathWidth = PathWidth::Normal;
    std::string title;                          // UTF-8 texts; empty: not printed
    std::string strokeLine;
    std::string detailLine;
};

struct TableDiagram
{
    TableGeometry geometry;
    DiagramLayout layout;
    int tableFormat = 2;  // 0 the half table: sights at every other place, no spots
    int frameStyle = 0;   // 0 none, 1 the 47 frame, 2 the 71/2 frame, 3 big corners, 4 spot grid
    COLORREF railColour = kRailColour;
    COLORREF clothColour = kClothColour;
    bool showMarkers = false;
    std::vector<DiagramMarker> markers;
    DiagramBall balls[3];                    // white, red, spotted
    std::vector<TablePoint> trajectories[3]; // paths of the last shot; empty: none
    COLORREF trajectoryColours[3] = {kWhiteColour, kRedBallColour, kSpottedBallColour};
    // Width of every line in pixels; the spots and dots grow with it.
    int lineWidth = 1;
    DiagramNotes notes;
};

// A diagram of the given table in the colour or the monochrome mode, with
// the balls at their default places; layout and contents are the caller's.
TableDiagram MakeTableDiagram(const TableGeometry& geometry, int tableFormat, bool colour);

// The trajectory of a ball as the table shows it: its places at trajectory
// times 1 to n - 1 (the place at time 0 lies under the ball).
std::vector<TablePoint> ShownTrajectory(TrajectoryBuffer& trajectory);

namespace diagram
{
// The whole diagram: table, balls, then the trajectory lines over them.
void Draw(CDC& dc, const TableDiagram& d);
// Rails, cloth, markers, spots and frame lines, outlines and sights.
void DrawTable(CDC& dc, const TableDiagram& d);
// Spots and frame lines only.
void DrawTableMarks(CDC& dc, const TableDiagram& d);
// A ball or a marker standing exactly on (0, 0) is absent and not drawn.
void DrawBall(CDC& dc, const DiagramLayout& layout, const DiagramBall& ball, int lineWidth);
void DrawMarker(CDC& dc, const DiagramLayout& layout, const DiagramMarker& marker, int lineWidth);
int MarkerHalfSize(const DiagramLayout& layout);
// A line through the places; with dotSpacing > 0 a small dot every
// dotSpacing + 1 places, in the brush selected at the time.
void DrawTrajectory(CDC& dc, const DiagramLayout& layout, const std::vector<TablePoint>& path, COLORREF colour,
                    int lineWidth, int dotSpacing);
}  // namespace diagram
