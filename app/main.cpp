// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("slovodrom"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.slovodrom.slovodrom"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.svg")));
    Program program;
    program.start();
    return QApplication::exec();
}
