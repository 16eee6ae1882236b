// SPDX-License-Identifier: MIT
// The contact windows with a full store: opening the contact list over 10,000 contacts and one
// search among them.
//
//   bench_contacts                  the figures
//   bench_contacts --grab FOLDER    saves pictures of the editor's four tabs, the list and the search window
#include "BenchMain.h"
#include "BenchTiming.h"
#include "app/Orrisday.h"
#include "context/RecordWindows.h"
#include "contacts/FrmContact_Info.h"
#include "contacts/ContactRows.h"
#include "fakes/FakeServices.h"
#include "store/Database.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

const QStringList FirstNames { "Ann", "Bob", "Cid", "Dora", "Eve", "Finn", "Gus", "Hana", "Ivo", "Jill" };
const QStringList LastNames { "Lee", "Ray", "Moe", "Kahn", "Ortiz", "Berg", "Nair", "Wong", "Silva", "Dunn" };

void seed(const QString &folder, int contacts, const QString &picture = {})
{
    QDir(folder).mkpath(QStringLiteral("sys/dll"));
    store::Database db(folder + QStringLiteral("/sys/dll/sysks.dll"));
    store::Transaction transaction(db);
    for (int i = 1; i <= contacts; ++i) {
        const QString first = FirstNames.at(i % 10) + (i > 10 ? QString::number(i) : QString());
        const QString last = LastNames.at((i / 10) % 10);
        const QString birth = QStringLiteral("%1/%2/19%3").arg(1 + i % 12).arg(1 + i % 28).arg(50 + i % 50);
        db.insert(store::Table::Contact,
            { { 0, i }, { 1, first }, { 2, last }, { 3, QStringLiteral("%1 Mill Lane").arg(i) },
                { 4, QStringLiteral("Leeds") }, { 6, QStringLiteral("UK") }, { 7, QStringLiteral("01135550%1").arg(i) },
                { 8, QStringLiteral("07700900%1").arg(i) }, { 9, first.toLower() + QStringLiteral("@mail.test") },
                { 10, birth }, { 11, QStringLiteral("Acme Ltd") }, { 12, QStringLiteral("Buyer") },
                { 21, picture }, { 22, QStringLiteral("Met at the spring fair") },
                { 23, i % 3 ? QStringLiteral("Personal") : QStringLiteral("Business") } });
        db.insert(store::Table::Reminder,
            { { 0, i }, { 1, birth }, { 2, QStringLiteral("9 : 0 : 0") }, { 3, QString() },
                { 4, first + QStringLiteral(" . ") + last + QStringLiteral("'s Birthday") }, { 5, QString() } });
        db.insert(store::Table::Birthday, { { 1, i }, { 2, birth }, { 3, i } });
    }
    transaction.commit();
}

int figures()
{
    QTemporaryDir folder;
    seed(folder.path(), 10000);
    FakeServices fakes;
    auto app = Orrisday::start(folder.path(), fakes.services());
    QList<double> opening, searching;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        app->context().windows().open(QStringLiteral("Frm_Contact"));
        QApplication::processEvents();
        opening << timer.nsecsElapsed() / 1e6;
        app->context().windows().unload(QStringLiteral("Frm_Contact"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (int run = 0; run < 201; ++run) {
        const int i = 9000 + run;
        const contacts::SearchCriteria wanted { i % 3 ? QStringLiteral("Personal") : QStringLiteral("Business"),
            FirstNames.at(i % 10) + QString::number(i), LastNames.at((i / 10) % 10) };
        QElapsedTimer timer;
        timer.start();
        const auto found = contacts::findContact(app->context().db(), wanted);
        if (found)
            contacts::readContact(app->context().db(), *found);
        searching << timer.nsecsElapsed() / 1e6;
        if (!found)
            std::printf("contact %d not found\n", i);
    }
    QSqlQuery plan = app->context().db().run(QStringLiteral(
        "EXPLAIN QUERY PLAN SELECT contact_no FROM CONTACT_INFO WHERE IFNULL(contact_fname, '') = ? AND "
        "IFNULL(contact_lname, '') = ? AND IFNULL(contact_category, '') = ? ORDER BY rowid LIMIT 1"),
        { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    std::printf("10,000 contacts: contact list opened and shown: median %.1f ms (best %.1f ms) over %lld runs\n",
        median(opening), *std::min_element(opening.begin(), opening.end()), qlonglong(opening.size()));
    std::printf("10,000 contacts: one search (find and read the contact): median %.3f ms (worst %.3f ms) over %lld "
                "searches; plan: %s\n",
        median(searching), *std::max_element(searching.begin(), searching.end()), qlonglong(searching.size()),
        qPrintable(steps.join(QStringLiteral("; "))));
    return 0;
}

QString photo(const QString &folder)
{
    QImage image(240, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(0x9c, 0xc9, 0xe8));
    sky.setColorAt(1, QColor(0xf4, 0xe1, 0xc6));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x3b, 0x5b, 0x7a));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(40, 190, 160, 160));
    painter.setBrush(QColor(0xe8, 0xc1, 0x9e));
    painter.drawEllipse(QRect(75, 70, 90, 110));
    painter.end();
    const QString path = folder + QStringLiteral("/photos/ann.jpg");
    QDir().mkpath(folder + QStringLiteral("/photos"));
    image.save(path, "JPEG");
    return path;
}

int grab(const QString &outFolder)
{
    QTemporaryDir folder;
    seed(folder.path(), 36, photo(folder.path()));
    FakeServices fakes;
    auto app = Orrisday::start(folder.path(), fakes.services());
    RecordWindows &windows = app->context().windows();
    bool saved = true;
    QWidget *list = windows.open(QStringLiteral("Frm_Contact"));
    QApplication::processEvents();
    saved = list->grab().save(outFolder + QStringLiteral("/contact_list.png")) && saved;
    QMetaObject::invokeMethod(list, "searchContacts");
    QApplication::processEvents();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("Frm_Search") && top->isVisible())
            saved = top->grab().save(outFolder + QStringLiteral("/contact_search.png")) && saved;
    auto stored = contacts::readContact(app->context().db(), 12);
    auto *editor = qobject_cast<FrmContact_Info *>(windows.open(QStringLiteral("FrmContact_Info")));
    editor->startEdit(*stored);
    auto *tabs = editor->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        saved = editor->grab().save(outFolder + QStringLiteral("/contact_editor_%1.png").arg(page)) && saved;
    }
    auto *fresh = qobject_cast<FrmContact_Info *>(windows.open(QStringLiteral("FrmContact_Info")));
    fresh->startNew();
    QApplication::processEvents();
    saved = fresh->grab().save(outFolder + QStringLiteral("/contact_editor_new.png")) && saved;
    std::printf("%s pictures in %s\n", saved ? "saved" : "could not save all", qPrintable(outFolder));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchMain(argc, argv, figures, { { "--grab", grab } });
}
