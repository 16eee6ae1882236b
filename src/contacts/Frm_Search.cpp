// SPDX-License-Identifier: MIT
#include "contacts/Frm_Search.h"

#include "contacts/ContactRows.h"
#include "contacts/FrmContact_Info.h"
#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordControls.h"
#include "widgets/rules/StoreFailure.h"
#include "context/OnScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {

QPointer<Frm_Search> openSearch;

} // namespace

Frm_Search::Frm_Search(AppContext &app, QWidget *owner)
    : RecordWindow(app, QStringLiteral("Frm_Search"), QStringLiteral("Search Contact"), QSize(320, 206), owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    makeCaption(QStringLiteral("lblcategory"), QStringLiteral("Category"), this, { 18, 46, 90, 26 });
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->addItems({ QStringLiteral("Personal"), QStringLiteral("Business") });
    Combo1->setCurrentIndex(-1);
    Combo1->setGeometry(112, 46, 190, 26);
    makeCaption(QStringLiteral("Label1"), QStringLiteral("First Name"), this, { 18, 82, 90, 26 });
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(112, 82, 190, 26);
    makeCaption(QStringLiteral("Label2"), QStringLiteral("Last Name"), this, { 18, 118, 90, 26 });
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(112, 118, 190, 26);
    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), this, { 100, 162, 96, 30 });
    lblcancel = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, { 206, 162, 96, 30 });

    connect(lblok, &ImageButton::clicked, this, &Frm_Search::search);
    connect(lblcancel, &ImageButton::clicked, this, &QWidget::close);
    setEscapeButton(lblcancel);
}

Frm_Search *Frm_Search::openBeside(AppContext &app, QWidget *list)
{
    if (!openSearch)
        openSearch = new Frm_Search(app, list->parentWidget());
    moveOnScreen(openSearch, list->geometry().topRight() + QPoint(8, 0));
    openSearch->show();
    openSearch->raise();
    openSearch->activateWindow();
    return openSearch;
}

void Frm_Search::search()
{
    if (contacts::nothingEntered(Combo1->currentText(), Text1->text(), Text2->text())) {
        app().message(QStringLiteral("PleaseEnter Data"), MessageIcon::Information, QStringLiteral("Orrisdaye"));
        return;
    }
    // The store is read as it is now, so a contact deleted meanwhile is simply not found.
    std::optional<contacts::StoredContact> found;
    try {
        const auto criteria = contacts::searchCriteria(Combo1->currentText(), Text1->text(), Text2->text());
        if (const std::optional<qint64> contactNo = contacts::findContact(app().db(), criteria))
            found = contacts::readContact(app().db(), *contactNo);
    } catch (const store::Error &error) {
        app().message(records::storeFailureText(QStringLiteral("The contacts could not be searched"), error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
        return;
    }
    if (!found) {
        app().message(QStringLiteral(" NO CONTACT FOUND"), MessageIcon::Information, QStringLiteral("Orrissday"));
        return;
    }
    if (auto *editor = qobject_cast<FrmContact_Info *>(app().windows().open(QStringLiteral("FrmContact_Info"))))
        editor->startView(*found);
    app().message(QStringLiteral("CONTACT FOUND"), MessageIcon::Information, QStringLiteral("Orrissday"));
    close();
}
