// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/PaintingSession.h"

#include <QGuiApplication>

#include <clocale>

namespace
{
// QGuiApplication keeps references to these for its whole life.
int s_argc = 1;
char s_programName[] = "mirobelt";
char* s_argv[] = {s_programName, nullptr};
}  // namespace

PaintingSession::PaintingSession()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    m_app = std::make_unique<QGuiApplication>(s_argc, s_argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt takes the user's locale; the tool's numbers stay as they were
}

PaintingSession::~PaintingSession() = default;
