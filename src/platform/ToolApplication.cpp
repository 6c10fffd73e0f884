// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolApplication.h"

#include <QGuiApplication>

#include <clocale>

#include "platform/Language.h"

ToolApplication::ToolApplication(int& argc, char** argv) : m_argc(argc), m_argv(argv)
{
    Start(std::make_unique<QCoreApplication>(m_argc, m_argv));
}

ToolApplication::~ToolApplication() = default;

void ToolApplication::EnablePainting()
{
    if (qobject_cast<QGuiApplication*>(m_app.get()) != nullptr)
        return;
    m_app.reset();  // one application object at a time
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Start(std::make_unique<QGuiApplication>(m_argc, m_argv));
}

void ToolApplication::Start(std::unique_ptr<QCoreApplication> app)
{
    m_app = std::move(app);
    std::setlocale(LC_NUMERIC, "C");  // Qt takes the user's locale; the tool's numbers stay as they were
    Language::Install(Language::Chosen());
}
