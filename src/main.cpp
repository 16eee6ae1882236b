// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"
#include "platform/LinuxServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    auto orrisday = Orrisday::start(QCoreApplication::applicationDirPath(), makeLinuxServices());
    if (!orrisday)
        return 0;
    return QApplication::exec();
}
