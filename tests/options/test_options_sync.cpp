// SPDX-License-Identifier: MIT
// The sync account in the options window's exchange tab: "Sync now" sets the account up, keeps
// the password in the keyring (or for the session, without one), runs a round off the window's
// thread and shows its result; a failing round is told once.
#include "app/Frm_Main.h"
#include "context/BackgroundSync.h"
#include "context/RecordWindows.h"
#include "options/Frm_Option.h"
#include "support/FreshProgramTest.h"
#include "support/RadicaleServer.h"
#include "support/StoreRows.h"
#include "sync/SyncAccount.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestOptionsSync : public FreshProgramTest
{
    Q_OBJECT

    std::unique_ptr<RadicaleServer> m_server;

    QWidget *options() { return p().app().windows().find(QStringLiteral("Frm_Option")); }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(options(), name); }

    void openExchangeTab()
    {
        seedTask(db(), 1, "Pay rent");
        seedTask(db(), 2, "Call Bo");
        p().start();
        clickOn(findIn<QWidget>(&p().app().mainWindow(), "lblOption"));
        QVERIFY(options());
        control<QTabWidget>("SSTab1")->setCurrentIndex(Frm_Option::Exchange);
    }

    /// Types the account and presses "Sync now"; the round's result as the tab shows it.
    QString syncWith(const QString &password)
    {
        control<QLineEdit>("txtsyncurl")->setText(m_server->url().toString());
        control<QLineEdit>("txtsyncuser")->setText(m_server->user());
        control<QLineEdit>("txtsyncpassword")->setText(password);
        return pressSyncNow();
    }

    QString pressSyncNow()
    {
        QSignalSpy ended(&p().app().context().sync(), &BackgroundSync::roundEnded);
        clickOn(control("cmdsyncnow"));
        if (ended.isEmpty() && !ended.wait(30000))
            return QStringLiteral("no round ended");
        return control<QLabel>("lblsyncresult")->text();
    }

private slots:
    void initTestCase()
    {
        if (!RadicaleServer::available())
            QSKIP("radicale is not installed (scripts/install-deps.sh installs it)");
        m_server = std::make_unique<RadicaleServer>();
        QVERIFY(m_server->start());
    }

    void syncNowSetsTheAccountUpAndSyncs_data()
    {
        QTest::addColumn<bool>("keyring");
        QTest::newRow("password into the keyring") << true;
        QTest::newRow("no keyring: the password for this session") << false;
    }
    void syncNowSetsTheAccountUpAndSyncs()
    {
        QFETCH(bool, keyring);
        fakes().secrets->available = keyring;
        openExchangeTab();
        const QString first = syncWith(m_server->password());
        QVERIFY2(first.startsWith("Synced: ") && first.endsWith(" deleted, 0 conflicts."), qPrintable(first));
        const syncing::SyncAccount saved = syncing::savedAccount(db());
        QVERIFY(saved.isSet());
        QCOMPARE(fakes().secrets->kept.value(saved.secretKey()), keyring ? m_server->password() : QString());
        QVERIFY(control<QLineEdit>("txtsyncpassword")->text().isEmpty());
        // Again without typing the password: the keyring or the session has it.
        QCOMPARE(pressSyncNow(), QStringLiteral("Synced: 0 added, 0 updated, 0 deleted, 0 conflicts."));
        QVERIFY(control<QPushButton>("cmdsyncnow")->isEnabled());
    }

    void roundsComeOnTheirOwnWhileAutomatic()
    {
        openExchangeTab();
        QVERIFY(syncWith(m_server->password()).startsWith("Synced: "));
        auto *every = p().app().context().sync().findChild<QTimer *>("syncEvery");
        auto *afterChange = p().app().context().sync().findChild<QTimer *>("syncAfterChange");
        QVERIFY(every->isActive() && !afterChange->isActive());
        QCOMPARE(every->interval(), 15 * 60 * 1000);
        p().app().context().announceStoreChange();
        QVERIFY(afterChange->isActive());
        QCOMPARE(afterChange->interval(), 30 * 1000);
        clickOn(control("chksyncauto"));
        QVERIFY(!every->isActive() && !afterChange->isActive());
        QVERIFY(!syncing::savedAccount(db()).automatic);
    }

    void aFailingRoundIsToldOnce()
    {
        openExchangeTab();
        QVERIFY(syncWith(QStringLiteral("wrong")).startsWith("The account could not be set up: The server refused"));
        QCOMPARE(fakes().notifier->shown.size(), 1);
        QCOMPARE(fakes().notifier->shown.first().notification.summary, QStringLiteral("Orrisday could not sync"));
        syncWith(QStringLiteral("wrong"));
        QCOMPARE(fakes().notifier->shown.size(), 1);
        QVERIFY(syncing::savedAccount(db()).server.isEmpty());
    }

    void anEmptyAddressIsRefusedInWords()
    {
        openExchangeTab();
        clickOn(control("cmdsyncnow"));
        QCOMPARE(fakes().dialogs->shown.size(), 1);
        QCOMPARE(fakes().dialogs->shown.first().text,
            QStringLiteral("Give the address of the server to sync with, starting with https:// or http://."));
    }
};

QTEST_MAIN(TestOptionsSync)
#include "test_options_sync.moc"
