// SPDX-License-Identifier: MIT
#include "support/StoreTrouble.h"

#include <QFile>
#include <QSqlQuery>
#include <QtEndian>

namespace {

constexpr qint64 PageSize = 4096;
constexpr qint64 HeaderSize = 100;

} // namespace

void damageTable(const QString &file, const QString &table)
{
    qint64 rootPage = 1; // the schema's own page, after the file header
    if (table != QStringLiteral("sqlite_master")) {
        store::Database reader(file);
        QSqlQuery root = reader.run(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"), { table });
        root.next();
        rootPage = root.value(0).toLongLong();
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite) || rootPage < 1)
        qFatal("cannot damage %s", qPrintable(table));
    const qint64 from = rootPage == 1 ? HeaderSize : (rootPage - 1) * PageSize;
    f.seek(from);
    f.write(QByteArray(rootPage * PageSize - from, '\x5a'));
    // The change counter in the header makes other connections drop their cached pages.
    f.seek(24);
    QByteArray counter = f.read(4);
    quint32 next = qFromBigEndian<quint32>(counter.constData()) + 1;
    f.seek(24);
    qToBigEndian(next, counter.data());
    f.write(counter);
}

std::shared_ptr<void> bringTrouble(StoreTrouble trouble, store::Database &programStore, const QString &file)
{
    switch (trouble) {
    case StoreTrouble::ReadOnly:
        // Tests run as root, whom file modes do not stop; the store then answers as for a read-only
        // file.
        programStore.run(QStringLiteral("PRAGMA query_only = ON"));
        return std::shared_ptr<void>(nullptr, [&programStore](void *) {
            programStore.run(QStringLiteral("PRAGMA query_only = OFF"));
        });
    case StoreTrouble::Locked: {
        auto holder = std::make_shared<store::Database>(file);
        holder->run(QStringLiteral("BEGIN EXCLUSIVE"));
        return std::shared_ptr<void>(holder, holder.get());
    }
    case StoreTrouble::Damaged:
        damageTable(file, QStringLiteral("TASK_INFO"));
        damageTable(file, QStringLiteral("REMINDER_INFO"));
        return nullptr;
    }
    return nullptr;
}
