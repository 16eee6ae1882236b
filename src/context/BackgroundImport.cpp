// SPDX-License-Identifier: MIT
#include "context/BackgroundImport.h"

#include "exchange/Exchange.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>

exchange::Report importInBackground(
    const QString &databaseFile, const QStringList &files, exchange::ImportOptions options, QWidget *parent)
{
    std::atomic<int> read = 0;
    std::atomic<int> total = 0;
    std::atomic<bool> cancelled = false;
    options.progress = [&](int done, int of) {
        read = done;
        total = of;
        return !cancelled;
    };
    exchange::Report report;
    QThread *worker = QThread::create([&] {
        try {
            store::Database db(databaseFile);
            report = exchange::importFiles(db, files, options);
        } catch (const store::Error &) {
            report.failure = QStringLiteral("The records could not be opened for the import. Nothing was imported.");
        }
    });

    QProgressDialog progress(QStringLiteral("Importing..."), QStringLiteral("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowTitle(QStringLiteral("Orrisday"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] { cancelled = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        if (progress.wasCanceled())
            cancelled = true;
        progress.setMaximum(total);
        progress.setValue(std::min<int>(read, total));
        progress.setLabelText(QStringLiteral("Importing... %1 of %2 records read").arg(read).arg(total));
    });
    tick.start(100);

    QEventLoop waiting;
    QObject::connect(worker, &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec();
    worker->wait();
    delete worker;
    return report;
}
