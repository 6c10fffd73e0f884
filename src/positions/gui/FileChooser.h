// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file dialogs of the position commands, and their paths as the file
// readers and writers take them.

#include <QString>

#include <string>

class QWidget;

// Asks for an existing file of the given extension (without its dot) to open.
// Empty when the user cancels.
QString ChooseFileToOpen(QWidget* parent, const QString& extension);

// Asks for a file to save to, offering suggested; the extension is added to a
// name typed without one, and an existing file is replaced only once the user
// confirms. Empty when the user cancels.
QString ChooseFileToSave(QWidget* parent, const QString& extension, const QString& suggested = QString());

// The path in the encoding of the file system.
std::string LocalPath(const QString& path);
