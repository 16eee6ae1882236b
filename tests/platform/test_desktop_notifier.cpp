// SPDX-License-Identifier: MIT
// Desktop notifications against python3-dbusmock's notification daemon on a private bus of the
// test's own: the machine's session bus is never reached.
#include "app/Frm_Main.h"
#include "platform/ApplicationId.h"
#include "platform/FreedesktopNotifier.h"
#include "reminders/ReminderScan.h"
#include "reminders/SnoozeTimer.h"
#include "support/PrivateBus.h"
#include "support/ReminderRows.h"
#include "support/TestProgram.h"

#include <QDBusArgument>
#include <QDBusVariant>
#include <QSignalSpy>

namespace {

const QString Daemon = QStringLiteral("org.freedesktop.Notifications");
const QString DaemonPath = QStringLiteral("/org/freedesktop/Notifications");
const QString WithActions = QStringLiteral(R"({"capabilities": "body body-markup actions"})");
const QString WithoutActions = QStringLiteral(R"({"capabilities": "body"})");

const DesktopNotification Reminder { QStringLiteral("Task Alert"), QStringLiteral("Bread & <butter>"), true,
    { { QStringLiteral("default"), QStringLiteral("Open") },
        { QStringLiteral("snooze-5"), QStringLiteral("Snooze 5 min") } } };

QVariantMap hintsOf(const QVariant &argument)
{
    QVariantMap hints = qdbus_cast<QVariantMap>(argument);
    for (QVariant &value : hints)
        if (value.canConvert<QDBusVariant>())
            value = value.value<QDBusVariant>().variant();
    return hints;
}

} // namespace

class TestDesktopNotifier : public QObject
{
    Q_OBJECT

    PrivateBus m_bus;

    /// A fresh daemon: it numbers its notifications from 1.
    void useDaemon(const QString &capabilities)
    {
        QVERIFY2(m_bus.startMock(QStringLiteral("notification_daemon"), Daemon, capabilities),
            "the notification daemon mock did not come up");
    }
    QList<PrivateBus::Call> calls(const QString &method) { return m_bus.calls(DaemonPath, method); }
    void emitSignal(const QString &name, const QString &signature, const QVariantList &arguments)
    {
        QVariantList wrapped;
        for (const QVariant &argument : arguments)
            wrapped << QVariant::fromValue(QDBusVariant(argument));
        const QDBusMessage sent
            = m_bus.toMock(DaemonPath, QStringLiteral("EmitSignal"), { Daemon, name, signature, wrapped });
        QCOMPARE(sent.type(), QDBusMessage::ReplyMessage);
    }

private slots:
    void initTestCase()
    {
        if (!PrivateBus::mockAvailable())
            QSKIP("python3-dbusmock is not installed (scripts/install-deps.sh installs it)");
        QVERIFY2(m_bus.start(), "dbus-daemon cannot be started");
    }

    void notifyCarriesTheReminder_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("body");
        QTest::newRow("daemon with actions and markup")
            << WithActions << QStringList { "default", "Open", "snooze-5", "Snooze 5 min" }
            << "Bread &amp; &lt;butter&gt;";
        QTest::newRow("daemon without actions") << WithoutActions << QStringList {} << "Bread & <butter>";
    }
    void notifyCarriesTheReminder()
    {
        QFETCH(QString, capabilities);
        QFETCH(QStringList, actions);
        QFETCH(QString, body);
        useDaemon(capabilities);
        FreedesktopNotifier notifier(m_bus.connection());
        notifier.show(Reminder);
        QTRY_COMPARE(calls("Notify").size(), 1);
        const QVariantList sent = calls("Notify").first().arguments;
        QCOMPARE(sent.size(), 8);
        QCOMPARE(sent.at(0).toString(), QStringLiteral("Orrisday"));
        QCOMPARE(sent.at(1).toUInt(), 0u);
        QCOMPARE(sent.at(3).toString(), QStringLiteral("Task Alert"));
        QCOMPARE(sent.at(4).toString(), body);
        QCOMPARE(sent.at(5).toStringList(), actions);
        const QVariantMap hints = hintsOf(sent.at(6));
        QCOMPARE(hints.value("desktop-entry").toString(), ApplicationId);
        QCOMPARE(hints.value("suppress-sound").toBool(), true);
        QCOMPARE(hints.value("urgency").toInt(), 2);
        QCOMPARE(sent.at(7).toInt(), 0); // never expires
    }

    void closeReachesTheDaemon_data()
    {
        QTest::addColumn<bool>("beforeItWasShown");
        QTest::newRow("shown") << false;
        QTest::newRow("closed before it was shown: never shown") << true;
    }
    void closeReachesTheDaemon()
    {
        QFETCH(bool, beforeItWasShown);
        useDaemon(WithActions);
        FreedesktopNotifier notifier(m_bus.connection());
        const quint32 id = notifier.show(Reminder);
        if (!beforeItWasShown)
            QTRY_COMPARE(calls("Notify").size(), 1);
        notifier.close(id);
        QTest::qWait(300);
        QCOMPARE(calls("Notify").size(), beforeItWasShown ? 0 : 1);
        const QList<PrivateBus::Call> closed = calls("CloseNotification");
        QCOMPARE(closed.size(), beforeItWasShown ? 0 : 1);
        if (!beforeItWasShown)
            QCOMPARE(closed.first().arguments.value(0).toUInt(), 1u);
    }

    void theDaemonsSignalsComeBackByOurId_data()
    {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("heard");
        QTest::newRow("snooze chosen") << "ActionInvoked"
                                       << "us" << QVariantList { 41u, "snooze-5" } << "snooze-5";
        QTest::newRow("clicked") << "ActionInvoked"
                                 << "us" << QVariantList { 41u, "default" } << "default";
        QTest::newRow("closed by the user") << "NotificationClosed"
                                            << "uu" << QVariantList { 41u, 2u } << "closed";
        QTest::newRow("another program's") << "ActionInvoked"
                                           << "us" << QVariantList { 77u, "default" } << "";
    }
    void theDaemonsSignalsComeBackByOurId()
    {
        QFETCH(QString, signal);
        QFETCH(QString, signature);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, heard);
        useDaemon(WithActions);
        // The daemon's number for it differs from ours.
        m_bus.toMock(DaemonPath, QStringLiteral("AddMethod"),
            { Daemon, QStringLiteral("Notify"), QStringLiteral("susssasa{sv}i"), QStringLiteral("u"),
                QStringLiteral("ret = 41") });
        FreedesktopNotifier notifier(m_bus.connection());
        const quint32 id = notifier.show(Reminder);
        QTRY_COMPARE(calls("Notify").size(), 1);
        QTest::qWait(100); // the daemon's answer reaches the notifier
        QSignalSpy actions(&notifier, &DesktopNotifier::actionInvoked);
        QSignalSpy closed(&notifier, &DesktopNotifier::closed);
        emitSignal(signal, signature, arguments);
        QTest::qWait(200);
        QStringList got;
        for (const QList<QVariant> &action : std::as_const(actions))
            got << QString::number(action.at(0).toUInt()) + ":" + action.at(1).toString();
        for (const QList<QVariant> &close : std::as_const(closed))
            got << QString::number(close.at(0).toUInt()) + ":closed";
        QCOMPARE(got, heard.isEmpty() ? QStringList() : QStringList { QString::number(id) + ":" + heard });
    }

    void withoutADaemonNothingBreaks()
    {
        m_bus.stopMock();
        FreedesktopNotifier notifier(m_bus.connection());
        QSignalSpy closed(&notifier, &DesktopNotifier::closed);
        const quint32 id = notifier.show(Reminder);
        QTest::qWait(200);
        notifier.close(id);
        QVERIFY(closed.isEmpty());

        FreedesktopNotifier unconnected(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none"));
        unconnected.close(unconnected.show(Reminder));
    }

    // A reminder due in a few seconds reaches the daemon naming its task; a snooze chosen there
    // raises it again at its moment, once.
    void aReminderReachesTheDaemonAndItsSnoozeComesBackOnce()
    {
        useDaemon(WithActions);
        TestProgram program;
        ReminderRows(program.seed()).task("Call the bank", { "12/7/2026", "10 : 30 : 5", "", "About the loan", "" });
        program.fakes.clock->set(QDate(2026, 12, 7), QTime(10, 30, 0));
        Services services = program.fakes.services();
        services.notifier = std::make_shared<FreedesktopNotifier>(m_bus.connection());
        program.start(services);
        Frm_Main &main = program.app().mainWindow();
        const auto tick = [&](QTime time) {
            program.fakes.clock->setTime(time);
            main.reminderScan().tick();
            main.snoozeTimer().tick();
        };

        tick(QTime(10, 30, 5));
        QTRY_COMPARE(calls("Notify").size(), 1);
        QCOMPARE(calls("Notify").first().arguments.at(4).toString(), QStringLiteral("Call the bank\nAbout the loan"));
        QTest::qWait(50);
        emitSignal("ActionInvoked", "us", { 1u, "snooze-10" });
        QTRY_VERIFY(program.app().db().run("SELECT 1 FROM reminder_snooze").next());

        for (const QTime time : { QTime(10, 40, 4), QTime(10, 40, 5), QTime(10, 40, 6), QTime(10, 41, 0) })
            tick(time);
        QTRY_COMPARE(calls("Notify").size(), 2);
        QTest::qWait(200);
        QCOMPARE(calls("Notify").size(), 2);
        QCOMPARE(calls("Notify").last().arguments.at(4).toString(), QStringLiteral("Call the bank\nAbout the loan"));
    }
};

QTEST_MAIN(TestDesktopNotifier)
#include "test_desktop_notifier.moc"
