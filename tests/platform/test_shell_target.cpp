// SPDX-License-Identifier: MIT
#include "platform/rules/ShellTarget.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Kind = ShellTarget::Kind;

class TestShellTarget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString make(const QString &name, QFileDevice::Permissions permissions)
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(permissions);
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        make(QStringLiteral("tool.sh"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        make(QStringLiteral("plan.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void whatIsOpened_data()
    {
        // clang-format off
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("location");
        const QString dir = m_dir.path();
        QTest::newRow("executable") << dir + "/tool.sh" << dir << Kind::Program << dir + "/tool.sh";
        QTest::newRow("document") << dir + "/plan.txt" << dir << Kind::Document << dir + "/plan.txt";
        QTest::newRow("folder") << dir << "/" << Kind::Document << dir;
        QTest::newRow("document in the working folder") << "plan.txt" << dir << Kind::Document << dir + "/plan.txt";
        QTest::newRow("file address") << "file://" + dir + "/plan.txt" << dir << Kind::Document << dir + "/plan.txt";
        QTest::newRow("web address") << "https://example.org/a?b=1"
                                     << "https:" << Kind::Address << "https://example.org/a?b=1";
        QTest::newRow("mail address") << "mailto:me@example.org" << "/" << Kind::Address << "mailto:me@example.org";
        QTest::newRow("www") << "www.example.org" << "/" << Kind::Address << "http://www.example.org";
        QTest::newRow("program on the path") << "sh" << "/" << Kind::Program << QStandardPaths::findExecutable("sh");
        QTest::newRow("missing file") << dir + "/gone.txt" << dir << Kind::Nothing << "";
        QTest::newRow("missing bare name") << "no-such-program-here" << "/" << Kind::Nothing << "";
        QTest::newRow("windows path") << "C:\\Windows\\notepad.exe" << "C:\\Windows" << Kind::Nothing << "";
        QTest::newRow("empty") << "" << "/" << Kind::Nothing << "";
        // clang-format on
    }
    void whatIsOpened()
    {
        QFETCH(QString, target);
        QFETCH(QString, folder);
        QFETCH(Kind, kind);
        QFETCH(QString, location);
        const ShellTarget what = shellTargetOf(target, folder);
        QCOMPARE(what.kind, kind);
        QCOMPARE(what.location, location);
    }
};

QTEST_MAIN(TestShellTarget)
#include "test_shell_target.moc"
