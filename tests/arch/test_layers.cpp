// SPDX-License-Identifier: MIT
// Every include under src/ runs down the layer table of src/layers.txt, never up and never
// sideways between folders of one row.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString Sources = QStringLiteral(ORRISDAY_SOURCE_DIR "/src");

/// Folder (or top-level file) → its row in the table, 0 for the top.
QHash<QString, int> readLayers()
{
    QHash<QString, int> rows;
    QFile table(Sources + QStringLiteral("/layers.txt"));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    int row = 0;
    for (const QString &line : QString::fromUtf8(table.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        for (const QString &folder : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            rows.insert(folder, row);
        ++row;
    }
    return rows;
}

QString topOf(const QString &path)
{
    return path.section(QLatin1Char('/'), 0, 0);
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT
private slots:
    void includesRunDownward()
    {
        const QHash<QString, int> layers = readLayers();
        QVERIFY2(layers.size() > 5, "src/layers.txt is missing or empty");
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));

        QStringList faults;
        QDirIterator files(Sources, { QStringLiteral("*.h"), QStringLiteral("*.cpp") }, QDir::Files,
            QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = QDir(Sources).relativeFilePath(files.next());
            const QString from = topOf(path);
            if (!layers.contains(from)) {
                faults << QStringLiteral("src/%1: %2 is in no layer of src/layers.txt").arg(path, from);
                continue;
            }
            QFile file(files.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                const QString target = include.match(lines[i]).captured(1);
                const QString to = topOf(target);
                if (target.isEmpty() || to == from)
                    continue;
                if (!layers.contains(to))
                    faults << QStringLiteral("src/%1:%2: includes %3 of no layer").arg(path).arg(i + 1).arg(target);
                else if (layers[to] < layers[from])
                    faults << QStringLiteral("src/%1:%2: includes %3 of a layer above").arg(path).arg(i + 1).arg(target);
                else if (layers[to] == layers[from])
                    faults << QStringLiteral("src/%1:%2: includes %3 beside its own layer").arg(path).arg(i + 1).arg(target);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
