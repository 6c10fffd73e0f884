// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/StrokeText.h"

#include <QString>

#include <cmath>

#include "diagram/DiagramTexts.h"
#include "sim/MirobeltDoc.h"

namespace
{
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

double AimDegreesOf(const ShotSetup& setup)
{
    const double dx = setup.aimTargetX - setup.aimOriginX;
    const double dy = setup.aimTargetY - setup.aimOriginY;
    if (dx == 0 && dy == 0)
        return 0;
    double degrees = std::atan2(dy, dx) * kDegreesPerRadian;  // y grows downward: clockwise
    if (degrees < 0)
        degrees += 360;
    return degrees >= 360 ? 0 : degrees;
}

StrokeValues StrokeOf(const ShotSetup& setup)
{
    StrokeValues stroke;
    stroke.aimDegrees = AimDegreesOf(setup);
    stroke.height = -setup.strikeHeight;
    stroke.side = setup.strikeSide;
    stroke.force = setup.force;
    stroke.cueDegrees = setup.raiseAngle;
    return stroke;
}

std::string DiagramNumber(double value, int decimals, bool showSign)
{
    if (!std::isfinite(value))
        return "?";
    QString digits = QString::number(std::abs(value), 'f', decimals);
    const bool readsAsZero = digits.count(QLatin1Char('0')) == digits.size() - (decimals > 0 ? 1 : 0);
    digits.replace(QLatin1Char('.'), Diagram::tr(",", "decimal separator"));
    if (readsAsZero)
        return digits.toStdString();
    if (value < 0)
        digits.prepend(QChar(0x2212));
    else if (showSign)
        digits.prepend(QLatin1Char('+'));
    return digits.toStdString();
}

std::string StrokeLine(const StrokeValues& stroke)
{
    // The cue's raise is a whole number of degrees unless a file says otherwise.
    const int cueDecimals = stroke.cueDegrees == std::trunc(stroke.cueDegrees) ? 0 : 1;
    // A direction that rounds to 360,0° reads as 0,0°.
    const double aim = stroke.aimDegrees >= 359.95 ? 0.0 : stroke.aimDegrees;
    return Diagram::tr("Visée %1° · Hauteur %2 · Côté %3 · Force %4 · Queue %5°")
        .arg(QString::fromStdString(DiagramNumber(aim, 1)),
             QString::fromStdString(DiagramNumber(stroke.height, 2, true)),
             QString::fromStdString(DiagramNumber(stroke.side, 2, true)),
             QString::fromStdString(DiagramNumber(stroke.force, 2)),
             QString::fromStdString(DiagramNumber(stroke.cueDegrees, cueDecimals)))
        .toStdString();
}

std::string BallWord(int ball)
{
    switch (ball)
    {
    case 0: return Diagram::tr("blanche").toStdString();
    case 1: return Diagram::tr("rouge").toStdString();
    case 2: return Diagram::tr("pointée").toStdString();
    default: return {};
    }
}

std::string CushionLetters(const std::string& letters)
{
    QString shown;
    for (const char letter : letters)
    {
        switch (letter)
        {
        case 'G': shown += Diagram::tr("G", "cushion letter: left"); break;
        case 'D': shown += Diagram::tr("D", "cushion letter: right"); break;
        case 'H': shown += Diagram::tr("H", "cushion letter: top"); break;
        case 'B': shown += Diagram::tr("B", "cushion letter: bottom"); break;
        default: shown += QLatin1Char(letter); break;
        }
    }
    return shown.toStdString();
}

std::string ScoringLine(int firstBall, const std::string& cushionLetters, double windowDegrees)
{
    QString line = Diagram::tr("1re bille : %1 · Bandes : %2")
                       .arg(QString::fromStdString(BallWord(firstBall)),
                            cushionLetters.empty() ? Diagram::tr("aucune")
                                                  : QString::fromStdString(CushionLetters(cushionLetters)));
    if (windowDegrees >= 0)
        line += Diagram::tr(" · Fenêtre %1°").arg(QString::fromStdString(DiagramNumber(windowDegrees, 2)));
    return line.toStdString();
}
