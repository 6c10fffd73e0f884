// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object of a command-line tool. Qt's translations need one
// before the tool says anything, so it starts first in main: a plain
// QCoreApplication speaking the chosen language (Language::Chosen()), with C
// number formatting kept for the tool's own output. Drawing needs a
// QGuiApplication instead: EnablePainting() puts one in its place, on the
// offscreen platform unless another is asked for, in the same language.

#include <memory>

class QCoreApplication;

class ToolApplication
{
public:
    ToolApplication(int& argc, char** argv);
    ~ToolApplication();
    ToolApplication(const ToolApplication&) = delete;
    ToolApplication& operator=(const ToolApplication&) = delete;

    void EnablePainting();

private:
    void Start(std::unique_ptr<QCoreApplication> app);

    int& m_argc;  // Qt keeps references to these for the application's whole life
    char** m_argv;
    std::unique_ptr<QCoreApplication> m_app;
};
