// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the application icon, the product name and release date, how
// to reach the project, and an OK button.

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// Product line of the About box.
extern const char* const kProductLine;
