// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FileValues.h"

#include <charconv>
#include <string>

#include "positions/NumberFormat.h"

double AsFileValue(double value)
{
    std::string text;
    AppendFixed(text, value);
    double read = value;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read;
}

ShotSetup AsFileSetup(const ShotSetup& setup)
{
    ShotSetup rounded = setup;
    for (double* value : {&rounded.force, &rounded.strikeHeight, &rounded.strikeSide, &rounded.raiseAngle,
                          &rounded.strikeMode, &rounded.aimOriginX, &rounded.aimOriginY, &rounded.aimTargetX,
                          &rounded.aimTargetY})
        *value = AsFileValue(*value);
    for (BallStart& ball : rounded.balls)
    {
        ball.x = AsFileValue(ball.x);
        ball.y = AsFileValue(ball.y);
    }
    return rounded;
}
