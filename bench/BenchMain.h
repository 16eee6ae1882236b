// SPDX-License-Identifier: MIT
// The entry of a benchmark program: offscreen unless told otherwise; an option with a value runs
// its own job (a folder of pictures, a program to time), else the measurement.
#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>

using BenchOption = std::pair<const char *, std::function<int(const QString &value)>>;

inline int benchMain(int argc, char *argv[], const std::function<int()> &measure,
    std::initializer_list<BenchOption> options = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    for (const auto &[name, run] : options)
        if (arguments.size() == 3 && arguments.at(1) == QLatin1String(name))
            return run(arguments.at(2));
    return measure();
}
