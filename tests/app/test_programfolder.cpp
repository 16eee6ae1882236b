// SPDX-License-Identifier: MIT
// The program folder laid out by the build: sounds, pictures, documents, the sound module and the
// compiled-in art.
#include "context/ProgramFolder.h"
#include "platform/ModuleSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QString programFile(const QString &relative)
{
    return QDir(QStringLiteral(ORRISDAY_BUILT_FOLDER)).filePath(relative);
}

} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    // The documents, sounds and picture are opened by the tests below.
    void folderHoldsItsFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("executable") << "orrisday" << false;
        QTest::newRow("database folder") << "sys/dll" << true;
        QTest::newRow("backup folder") << "Database" << true;
    }
    void folderHoldsItsFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, isFolder);
        const QFileInfo info(programFile(path));
        QVERIFY2(info.exists(), qPrintable(info.filePath()));
        QCOMPARE(info.isDir(), isFolder);
    }

    // A folder with sys/dll beside the executable holds everything; an installed program reads its
    // files from the prefix and keeps the user's data in the XDG data folder, which it makes private.
    void layoutFollowsTheExecutablesFolder_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::newRow("program folder") << true;
        QTest::newRow("installed") << false;
    }
    void layoutFollowsTheExecutablesFolder()
    {
        QFETCH(bool, portable);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin"), data = prefix.filePath("home/data");
        QVERIFY(QDir().mkpath(bin + (portable ? "/sys/dll" : "")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));

        const ProgramFolder folder = ProgramFolder::ofExecutable(bin);
        QCOMPARE(folder.executable(), bin + "/orrisday");
        const QString files = portable ? bin : QDir::cleanPath(bin + "/" ORRISDAY_FILES_FROM_BIN);
        QCOMPARE(folder.helpPage(), files + "/orrisday.html");
        QCOMPARE(folder.alertSound(), files + "/Wave/Alert.wav");
        QCOMPARE(folder.modules, portable ? bin : QDir::cleanPath(bin + "/" ORRISDAY_MODULES_FROM_BIN));
        const QString mine = portable ? bin : data + "/orrisday";
        QCOMPARE(folder.database(), mine + "/sys/dll/sysks.dll");
        QCOMPARE(folder.backupFolder(), mine + "/Database/");
        QCOMPARE(QDir(data).exists(), !portable);
        if (!portable)
            for (const char *made : { "", "/sys/dll", "/Database" })
                QCOMPARE(QFileInfo(mine + made).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("XDG_DATA_HOME");
    }

    void soundModuleMakesAPlayerFromItsFolderOnly()
    {
        QVERIFY(loadSoundModule(QStringLiteral(ORRISDAY_BUILT_FOLDER)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No sound can be played: "));
        QVERIFY(!loadSoundModule(QDir::tempPath()));
    }

    void documentsAreReal_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mustContain");
        QTest::newRow("help page") << "orrisday.html" << "Reminders and advance settings";
        QTest::newRow("licence") << "OrrisdayEULA.txt" << "Orrisday 1.7.0";
    }
    void documentsAreReal()
    {
        QFETCH(QString, path);
        QFETCH(QString, mustContain);
        QFile file(programFile(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(mustContain));
    }

    void soundsArePlayableWaves_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("alert") << "Wave/Alert.wav" << 0.7 << 1.3;
        QTest::newRow("birthday") << "Wave/Birthday.wav" << 1.2 << 2.0;
    }
    void soundsArePlayableWaves()
    {
        QFETCH(QString, path);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        QFile file(programFile(path));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 44);

        // A canonical 44-byte header of 16-bit mono PCM.
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32(4), quint32(bytes.size() - 8));
        QCOMPARE(u32(16), 16u);
        QCOMPARE(u16(20), quint16(1)); // PCM
        QCOMPARE(u16(22), quint16(1)); // channels
        const quint32 sampleRate = u32(24);
        QVERIFY(sampleRate == 22050 || sampleRate == 44100);
        QCOMPARE(u32(28), sampleRate * 2); // bytes per second
        QCOMPARE(u16(32), quint16(2)); // block
        QCOMPARE(u16(34), quint16(16)); // bits
        const quint32 dataSize = u32(40);
        QCOMPARE(dataSize, quint32(bytes.size() - 44));

        const double seconds = double(dataSize) / (sampleRate * 2);
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

        // Audible, not clipped, and starting and ending in silence (no clicks).
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData() + 44);
        const qsizetype count = dataSize / 2;
        int peak = 0;
        for (qsizetype i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian(samples[i]))));
        QVERIFY2(peak > 8000 && peak < 32000, qPrintable(QString::number(peak)));
        QVERIFY(std::abs(qFromLittleEndian(samples[0])) < 500);
        QVERIFY(std::abs(qFromLittleEndian(samples[count - 1])) < 500);
    }

    void noPictureIsAGif()
    {
        const QString path = programFile(QStringLiteral("database/nopicture.gif"));
        QCOMPARE(QImageReader(path).format(), QByteArray("gif"));
        const QImage picture(path);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(96, 96));
        // A dark figure in the middle on a light background.
        QVERIFY(qGray(picture.pixel(48, 38)) < 110);
        QVERIFY(qGray(picture.pixel(4, 4)) > 200);
    }

    void artIsCompiledIn_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names{"main_background", "clock_face", "window_background", "button", "button_hover",
                          "alert_background", "pointer", "tray", "close_x", "close_x_hover", "orrisday"};
        for (const char *what : {"picture_hide", "picture_close", "picture_help", "nav_task", "nav_agenda", "nav_note",
                                 "nav_contact", "nav_option", "nav_about", "nav_tellfriend"})
            names << what << QLatin1String(what) + QStringLiteral("_hover");
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void artIsCompiledIn()
    {
        QFETCH(QString, name);
        const QString resource = QStringLiteral(":/art/%1.svg").arg(name);
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        QVERIFY(!renderer.defaultSize().isEmpty());
    }

    void mainBackgroundFitsTheWindow()
    {
        QCOMPARE(QSvgRenderer(QStringLiteral(":/art/main_background.svg")).defaultSize(), QSize(593, 462));
    }

    void recordWindowBackgroundHasItsParts()
    {
        // Record windows stretch the body but keep the title band's height, so both parts must be named.
        QSvgRenderer renderer(QStringLiteral(":/art/window_background.svg"));
        QVERIFY(renderer.elementExists(QStringLiteral("body")));
        QVERIFY(renderer.elementExists(QStringLiteral("band")));
        QCOMPARE(renderer.boundsOnElement(QStringLiteral("band")).height(), 32.0);
    }
};

QTEST_MAIN(TestProgramFolder)
#include "test_programfolder.moc"
