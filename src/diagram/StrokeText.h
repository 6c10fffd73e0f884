// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts printed with a diagram, as players read them: the stroke
// ("Visée 47,3° · Hauteur +0,40 · Côté −0,20 · Force 0,65 · Queue 0°") and
// the way a shot scores, in French number format.

#include <string>

struct ShotSetup;

// The stroke of a set-up in the players' terms.
struct StrokeValues
{
    double aimDegrees = 0;  // 0 to 360, clockwise on the picture from the right
    double height = 0;      // fraction of the ball's radius, positive above the centre (follow)
    double side = 0;        // positive to the right
    double force = 0;       // fraction of the force bar
    double cueDegrees = 0;  // raise of the cue
};

// The set-up's strike height is positive below the centre: its sign is turned.
StrokeValues StrokeOf(const ShotSetup& setup);

// The direction of the aim, from origin to target, in degrees 0 to 360.
double AimDegreesOf(const ShotSetup& setup);

// value with the given decimals and the decimal separator of the interface's
// language (a comma in French); with showSign a "+" or a "−" (U+2212) before
// any value that does not read as zero.
std::string DiagramNumber(double value, int decimals, bool showSign = false);

// "Visée 47,3° · Hauteur +0,40 · Côté −0,20 · Force 0,65 · Queue 0°" (UTF-8).
std::string StrokeLine(const StrokeValues& stroke);

// "blanche", "rouge", "pointée"; empty for any other ball.
std::string BallWord(int ball);

// The finder's cushion letters (G left, D right, H top, B bottom, the table
// as on the screen) in the interface's language: "HDB" reads "TRB" in English.
std::string CushionLetters(const std::string& letters);

// "1re bille : rouge · Bandes : HDB" followed by " · Fenêtre 2,35°" when
// windowDegrees is not negative.
std::string ScoringLine(int firstBall, const std::string& cushionLetters, double windowDegrees);
