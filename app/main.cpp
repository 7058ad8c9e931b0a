// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zunovar"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUNOVAR_APP_ID));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
