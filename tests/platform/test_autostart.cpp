// SPDX-License-Identifier: MIT
#include "platform/XdgAutoStart.h"
#include "platform/rules/DesktopEntry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAutoStart : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    static QStringList entryLines(const QString &file)
    {
        QFile entry(file);
        if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(entry.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        // Never the real user's folder.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void execArgument_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/orrisday/orrisday" << "\"/opt/orrisday/orrisday\"";
        QTest::newRow("blanks") << "/home/me/My Apps/orrisday" << "\"/home/me/My Apps/orrisday\"";
        QTest::newRow("quote, dollar, backtick") << "/a\"b$c`d/orrisday" << "\"/a\\\\\"b\\\\$c\\\\`d/orrisday\"";
        QTest::newRow("backslash") << "/a\\b/orrisday" << "\"/a\\\\\\\\b/orrisday\"";
        QTest::newRow("percent") << "/100%/orrisday" << "\"/100%%/orrisday\"";
    }
    void execArgument()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(::execArgument(path), exec);
    }

    void enableWritesTheUsersEntry()
    {
        XdgAutoStart autoStart;
        const ActionResult result = autoStart.enable("/home/me/My Apps/orrisday/orrisday");
        QVERIFY2(result.done, qPrintable(result.why));
        const QString file = m_config.path() + "/autostart/orrisday.desktop";
        const QStringList lines = entryLines(file);
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        for (const char *line : { "Type=Application", "Name=Orrisday", "Exec=\"/home/me/My Apps/orrisday/orrisday\"",
                 "Path=/home/me/My Apps/orrisday", "Terminal=false" })
            QVERIFY2(lines.contains(QString::fromUtf8(line)), line);
        QCOMPARE(QFile::permissions(file) & (QFileDevice::WriteGroup | QFileDevice::WriteOther), QFileDevice::Permissions());

        // Registering again replaces the entry.
        QVERIFY(autoStart.enable("/opt/orrisday/orrisday").done);
        QVERIFY(entryLines(file).contains("Exec=\"/opt/orrisday/orrisday\""));
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        QTemporaryDir other;
        QFile blocker(other.path() + "/config");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        const ActionResult result = XdgAutoStart().enable("/opt/orrisday/orrisday");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QVERIFY(!result.done);
        QCOMPARE(result.why, QStringLiteral("the folder %1/autostart cannot be created").arg(blocker.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestAutoStart)
#include "test_autostart.moc"
