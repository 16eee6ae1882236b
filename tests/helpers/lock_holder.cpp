// SPDX-License-Identifier: MIT
// Takes the single-instance lock for the key it is given, says whether it got it, and runs until
// it is killed.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.state() == SingleInstance::State::Primary ? "primary" : "not primary");
    std::fflush(stdout);
    return app.exec();
}
