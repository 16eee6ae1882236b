// SPDX-License-Identifier: MIT
#include "contacts/Frm_Contact.h"

#include "contacts/ContactRows.h"
#include "contacts/FrmContact_Info.h"
#include "contacts/Frm_Search.h"
#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "context/ScanPause.h"
#include "store/Views.h"
#include "widgets/GroupedGrid.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordRefresh.h"

#include <QLineEdit>

namespace {

const QString ListKey = QStringLiteral("Frm_Contact");
const QString EditorKey = QStringLiteral("FrmContact_Info");

// The group column, then the contact's columns; grid column 2 is the contact number.
const store::ViewSpec ContactView { store::Table::Contact,
    { { QStringLiteral("Category"), 23 }, { QStringLiteral("Category"), 23 }, { QStringLiteral("Contact No"), 0 },
        { QStringLiteral("First Name"), 1 }, { QStringLiteral("Last Name"), 2 }, { QStringLiteral("Address"), 3 },
        { QStringLiteral("City"), 4 }, { QStringLiteral("Country"), 6 }, { QStringLiteral("Mail Id"), 9 },
        { QStringLiteral("Phone No"), 7 }, { QStringLiteral("Mobile No"), 8 } },
    -1, {}, 23 };
constexpr int NumberColumn = 2;

} // namespace

Frm_Contact::Frm_Contact(AppContext &app, QWidget *owner)
    // Contacts are found by number and carry their reminder through the birthday row.
    : RecordList(app, ListKey, { store::Table::Contact, -1, QStringLiteral("contact"), EditorKey },
        QStringLiteral("Contacts"), QSize(860, 420), owner, QStringLiteral("lblcancel"))
{
    // Five buttons along the bottom: New, Edit, Delete, Search, Cancel.
    lblsearch = makeLabelButton(QStringLiteral("lblsearch"), QStringLiteral("Search"), this, {});
    const QList<ImageButton *> buttons { lblnew, lbledit, lblDelete, lblsearch, m_cancel };
    const int buttonWidth = 100;
    const int gap = (width() - 32 - int(buttons.size()) * buttonWidth) / int(buttons.size() - 1);
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setGeometry(16 + i * (buttonWidth + gap), height() - 44, buttonWidth, 30);

    MSHFlexGrid1 = new GroupedGrid(QStringLiteral("MSHFlexGrid1"), ContactView.columns, 0, this);
    MSHFlexGrid1->setGeometry(16, 42, width() - 32, height() - 42 - 56);
    readGrids([this] { MSHFlexGrid1->fill(store::groupedView(this->app().db(), ContactView)); });

    takeSelectionFrom(MSHFlexGrid1, { NumberColumn, -1, -1 });
    connect(lblnew, &ImageButton::clicked, this, &Frm_Contact::newContact);
    connect(lbledit, &ImageButton::clicked, this, &Frm_Contact::editContact);
    connect(lblDelete, &ImageButton::clicked, this, &Frm_Contact::deleteContact);
    connect(lblsearch, &ImageButton::clicked, this, &Frm_Contact::searchContacts);
}

void Frm_Contact::newContact()
{
    if (auto *editor = qobject_cast<FrmContact_Info *>(app().windows().open(EditorKey)))
        editor->startNew();
}

void Frm_Contact::editContact()
{
    if (Text1->text().isEmpty()) {
        app().message(QStringLiteral(" Please Select The Item From The List"), MessageIcon::Information,
            QStringLiteral(" Orrisdaye"));
        show();
        return;
    }
    std::optional<contacts::StoredContact> stored;
    const qint64 contactNo = Text1->text().toLongLong();
    if (!tryStore(QStringLiteral("The contact could not be opened"),
            [&] { stored = contacts::readContact(app().db(), contactNo); })
        || !stored)
        return;
    if (auto *editor = qobject_cast<FrmContact_Info *>(app().windows().open(EditorKey)))
        editor->startEdit(*stored);
}

void Frm_Contact::deleteContact()
{
    if (Text1->text().isEmpty()) {
        askForSelection(QStringLiteral(" Orrisdaye"));
        return;
    }
    ScanPause pause(app());
    bool removed = false;
    const bool done = tryStore(QStringLiteral("The contact could not be deleted"), [&] {
        store::Transaction transaction(app().db());
        removed = contacts::removeContact(app().db(), Text1->text().toLongLong());
        transaction.commit();
    });
    if (!done || !removed)
        return;
    app().message(QStringLiteral(" CONTACT DELETED SUCCESSFULLY"), MessageIcon::Information, QStringLiteral("Orrisday"));
    app().windows().unload(EditorKey);
    refreshAfterChange(app(), ListKey, ListKey);
}

void Frm_Contact::searchContacts()
{
    bool any = false;
    if (!tryStore(QStringLiteral("The contacts could not be read"), [&] { any = contacts::hasContacts(app().db()); }))
        return;
    if (!any) {
        app().message(QStringLiteral("No Contact To Search"), MessageIcon::Information, QStringLiteral("Orrisday"));
        return;
    }
    Frm_Search::openBeside(app(), this);
}
