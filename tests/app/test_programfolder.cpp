// SPDX-License-Identifier: MIT
// The program folder laid out by the build: sounds, pictures, documents and the compiled-in art.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTest>
#include <QtEndian>

namespace {

QString programFile(const QString &relative)
{
    return QDir(QStringLiteral(ORRISDAY_BUILT_FOLDER)).filePath(relative);
}

// The fields of a canonical 44-byte PCM wave header.
struct WaveHeader
{
    QByteArray riff, wave, fmt, data;
    quint32 riffSize = 0, fmtSize = 0, sampleRate = 0, byteRate = 0, dataSize = 0;
    quint16 format = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
};

WaveHeader readHeader(const QByteArray &bytes)
{
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    WaveHeader h;
    h.riff = bytes.mid(0, 4);
    h.riffSize = u32(4);
    h.wave = bytes.mid(8, 4);
    h.fmt = bytes.mid(12, 4);
    h.fmtSize = u32(16);
    h.format = u16(20);
    h.channels = u16(22);
    h.sampleRate = u32(24);
    h.byteRate = u32(28);
    h.blockAlign = u16(32);
    h.bitsPerSample = u16(34);
    h.data = bytes.mid(36, 4);
    h.dataSize = u32(40);
    return h;
}

} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void folderHoldsItsFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("executable") << "orrisday" << false;
        QTest::newRow("database folder") << "sys/dll" << true;
        QTest::newRow("backup folder") << "Database" << true;
        QTest::newRow("sounds folder") << "Wave" << true;
        QTest::newRow("help page") << "orrisday.html" << false;
        QTest::newRow("licence") << "OrrisdayEULA.txt" << false;
    }
    void folderHoldsItsFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, isFolder);
        const QFileInfo info(programFile(path));
        QVERIFY2(info.exists(), qPrintable(info.filePath()));
        QCOMPARE(info.isDir(), isFolder);
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

        const WaveHeader h = readHeader(bytes);
        QCOMPARE(h.riff, QByteArray("RIFF"));
        QCOMPARE(h.wave, QByteArray("WAVE"));
        QCOMPARE(h.fmt, QByteArray("fmt "));
        QCOMPARE(h.data, QByteArray("data"));
        QCOMPARE(h.riffSize, quint32(bytes.size() - 8));
        QCOMPARE(h.fmtSize, 16u);
        QCOMPARE(h.format, quint16(1));
        QCOMPARE(h.channels, quint16(1));
        QVERIFY(h.sampleRate == 22050 || h.sampleRate == 44100);
        QCOMPARE(h.bitsPerSample, quint16(16));
        QCOMPARE(h.blockAlign, quint16(2));
        QCOMPARE(h.byteRate, h.sampleRate * 2);
        QCOMPARE(h.dataSize, quint32(bytes.size() - 44));

        const double seconds = double(h.dataSize) / h.byteRate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

        // Audible, not clipped, and starting and ending in silence (no clicks).
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData() + 44);
        const qsizetype count = h.dataSize / 2;
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
        QTest::addColumn<QSize>("size");
        const QSize any;
        QTest::newRow("main background") << "main_background" << QSize(593, 462);
        QTest::newRow("clock face") << "clock_face" << QSize(130, 130);
        QTest::newRow("record window") << "window_background" << any;
        QTest::newRow("button") << "button" << QSize(90, 28);
        QTest::newRow("button hover") << "button_hover" << QSize(90, 28);
        QTest::newRow("alert") << "alert_background" << QSize(226, 140);
        QTest::newRow("pointer") << "pointer" << any;
        QTest::newRow("tray") << "tray" << any;
        for (const char *name : {"close_x", "close_x_hover"})
            QTest::newRow(name) << name << QSize(16, 16);
        for (const char *what : {"hide", "close", "help"})
            for (const char *suffix : {"", "_hover"}) {
                const QString name = QStringLiteral("picture_%1%2").arg(QLatin1String(what), QLatin1String(suffix));
                QTest::newRow(qPrintable(name)) << name << QSize(20, 20);
            }
        for (const char *what : {"task", "agenda", "note", "contact", "option", "about", "tellfriend"})
            for (const char *suffix : {"", "_hover"}) {
                const QString name = QStringLiteral("nav_%1%2").arg(QLatin1String(what), QLatin1String(suffix));
                QTest::newRow(qPrintable(name)) << name << QSize(72, 60);
            }
    }
    void artIsCompiledIn()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString resource = QStringLiteral(":/art/%1.svg").arg(name);
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        if (size.isValid())
            QCOMPARE(renderer.defaultSize(), size);
        else
            QVERIFY(!renderer.defaultSize().isEmpty());
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
