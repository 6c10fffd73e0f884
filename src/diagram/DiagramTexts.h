// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts drawn on diagrams and sheets, written in French and translated
// by Qt in the context "Diagram": Diagram::tr("Visée %1°").

#include <QCoreApplication>

class Diagram
{
    Q_DECLARE_TR_FUNCTIONS(Diagram)
};
