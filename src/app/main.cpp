// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/MirobeltApp.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CMirobeltApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return 1;
    return application.exec();
}
