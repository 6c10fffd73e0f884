// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the shot animation shows of itself to tests and measurements.

#include <QImage>

// The picture in which the frames of a played shot are composed, the size of
// the table at the window's pixel ratio; null before the first frame.
const QImage& AnimationBackBuffer();
