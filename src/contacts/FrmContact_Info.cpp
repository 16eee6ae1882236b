// SPDX-License-Identifier: MIT
#include "contacts/FrmContact_Info.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "reminders/rules/ReminderChoices.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/KeyRules.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordRefresh.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTabWidget>

using contacts::FilledEntries;
using store::Table;

namespace {

const QString EditorKey = QStringLiteral("FrmContact_Info");
const QString ListKey = QStringLiteral("Frm_Contact");

constexpr int Row = 36;
constexpr int LeftCaption = 14;
constexpr int RightCaption = 296;
constexpr int CaptionWidth = 84;
constexpr int FieldWidth = 178;

QImage readImage(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

FrmContact_Info::FrmContact_Info(AppContext &app, QWidget *owner)
    : RecordEditor(app, EditorKey, { EditorKey, ListKey }, QStringLiteral("Contact Information"), QSize(600, 430), owner)
{
    Text1 = makeHiddenBox(QStringLiteral("Text1"), this);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(150, 140, 300, 110);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(QStringLiteral("Please Choose the Category"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 14, 260, 26);
    labelcategory = new QLabel(QStringLiteral("Category"), Frame1);
    labelcategory->setObjectName(QStringLiteral("labelcategory"));
    labelcategory->setGeometry(20, 56, 80, 26);
    cmbcategory = new ChoiceCombo(app, QStringLiteral("cmbcategory"),
        { QStringLiteral("Personal"), QStringLiteral("Business") }, Frame1, ChoiceCombo::Typing::Refused);
    cmbcategory->setGeometry(100, 56, 170, 26);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(16, 42, width() - 32, height() - 42 - 56);
    const QStringList pages { QStringLiteral("Personal"), QStringLiteral("Company"), QStringLiteral("Note"),
        QStringLiteral("Picture") };
    for (const QString &title : pages)
        SSTab1->addTab(new QWidget, title);
    buildPersonalPage(SSTab1->widget(0));
    buildCompanyPage(SSTab1->widget(1));
    txtnote = new QPlainTextEdit(SSTab1->widget(2));
    txtnote->setObjectName(QStringLiteral("txtnote"));
    txtnote->setGeometry(12, 12, SSTab1->width() - 30, SSTab1->height() - 60);
    buildPicturePage(SSTab1->widget(3));

    // The command buttons stand in their own frame along the bottom edge.
    Frambutton = new QWidget(this);
    Frambutton->setObjectName(QStringLiteral("Frambutton"));
    Frambutton->setGeometry(0, height() - 52, width(), 52);
    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), Frambutton, {});
    for (ImageButton *button : { lblsave, lblupdate, lblcancel })
        button->setParent(Frambutton);
    lblsave->setGeometry(width() - 222, 8, 96, 30);
    lblupdate->setGeometry(lblsave->geometry());
    lblcancel->setGeometry(width() - 116, 8, 96, 30);
    lblok->setGeometry(lblcancel->geometry());

    // Load: nothing ticked, the tabs and buttons wait for the opener, the time lists hold the
    // current hour and minute as the picked time, and the time box stays empty.
    remcheck->setChecked(false);
    Frambutton->hide();
    SSTab1->hide();
    cmbeventtime->setEnabled(false);
    cmbeventtime->preselectNow();
    cmbeventtime->clearEditText();
    m_eventTimePicked = false;
    showPicture(QString());
    guardKeys();

    connect(cmbcategory, &QComboBox::activated, this, &FrmContact_Info::chooseCategory);
    connect(remcheck, &QCheckBox::clicked, this, &FrmContact_Info::remcheckClicked);
    connect(Label2, &ImageButton::clicked, this, &FrmContact_Info::choosePicture);
    connect(cmdload, &ImageButton::clicked, this, &FrmContact_Info::choosePicture);
    connect(lblsave, &ImageButton::clicked, this, &FrmContact_Info::save);
    connect(lblupdate, &ImageButton::clicked, this, &FrmContact_Info::updateContact);
    connect(lblok, &ImageButton::clicked, this, &FrmContact_Info::cancel);
}

QLineEdit *FrmContact_Info::field(QWidget *page, const QString &name, const QString &caption, QPoint at)
{
    auto *label = new QLabel(caption, page);
    label->setGeometry(at.x(), at.y(), CaptionWidth, 26);
    auto *edit = new QLineEdit(page);
    edit->setObjectName(name);
    edit->setGeometry(at.x() + CaptionWidth, at.y(), FieldWidth, 26);
    return edit;
}

void FrmContact_Info::buildPersonalPage(QWidget *page)
{
    const auto left = [](int row) { return QPoint(LeftCaption, 14 + row * Row); };
    const auto right = [](int row) { return QPoint(RightCaption, 14 + row * Row); };
    txtfname = field(page, QStringLiteral("txtfname"), QStringLiteral("First Name"), left(0));
    txtlname = field(page, QStringLiteral("txtlname"), QStringLiteral("Last Name"), left(1));
    txtpadd = field(page, QStringLiteral("txtpadd"), QStringLiteral("Address"), left(2));
    txtpcity = field(page, QStringLiteral("txtpcity"), QStringLiteral("City"), left(3));
    txtpstate = field(page, QStringLiteral("txtpstate"), QStringLiteral("State"), left(4));
    txtpcountry = field(page, QStringLiteral("txtpcountry"), QStringLiteral("Country"), left(5));
    txtpphoneno = field(page, QStringLiteral("txtpphoneno"), QStringLiteral("Phone No"), right(0));
    txtpmobileno = field(page, QStringLiteral("txtpmobileno"), QStringLiteral("Mobile No"), right(1));
    txtpemailid = field(page, QStringLiteral("txtpemailid"), QStringLiteral("E-mail"), right(2));

    auto *birthCaption = new QLabel(QStringLiteral("Birth Date"), page);
    birthCaption->setGeometry(QRect(right(3), QSize(CaptionWidth, 26)));
    cmbbdate = new DateCombo(app(), QStringLiteral("cmbbdate"), page);
    cmbbdate->setGeometry(QRect(right(3) + QPoint(CaptionWidth, 0), QSize(FieldWidth, 26)));
    remcheck = new QCheckBox(QStringLiteral("Reminder"), page);
    remcheck->setObjectName(QStringLiteral("remcheck"));
    remcheck->setGeometry(QRect(right(4), QSize(CaptionWidth, 26)));
    cmbeventtime = new TimeCombo(app(), QStringLiteral("cmbeventtime"), QStringLiteral("List3"),
        QStringLiteral("List4"), page);
    cmbeventtime->setGeometry(QRect(right(4) + QPoint(CaptionWidth, 0), QSize(FieldWidth, 26)));
    connect(cmbeventtime, &TimeCombo::picked, this, [this] { m_eventTimePicked = true; });
}

void FrmContact_Info::buildCompanyPage(QWidget *page)
{
    const auto left = [](int row) { return QPoint(LeftCaption, 14 + row * Row); };
    const auto right = [](int row) { return QPoint(RightCaption, 14 + row * Row); };
    txtcname = field(page, QStringLiteral("txtcname"), QStringLiteral("Company"), left(0));
    txtjobtitle = field(page, QStringLiteral("txtjobtitle"), QStringLiteral("Job Title"), left(1));
    txtcaddr = field(page, QStringLiteral("txtcaddr"), QStringLiteral("Address"), left(2));
    txtccity = field(page, QStringLiteral("txtccity"), QStringLiteral("City"), left(3));
    txtcstate = field(page, QStringLiteral("txtcstate"), QStringLiteral("State"), left(4));
    txtccountry = field(page, QStringLiteral("txtccountry"), QStringLiteral("Country"), left(5));
    txtwebsite = field(page, QStringLiteral("txtwebsite"), QStringLiteral("Web Site"), right(0));
    txtcemailid = field(page, QStringLiteral("txtcemailid"), QStringLiteral("E-mail"), right(1));
    txtcphoneno = field(page, QStringLiteral("txtcphoneno"), QStringLiteral("Phone No"), right(2));
    txtcfaxno = field(page, QStringLiteral("txtcfaxno"), QStringLiteral("Fax No"), right(3));
}

void FrmContact_Info::buildPicturePage(QWidget *page)
{
    contactpicture = new QLabel(page);
    contactpicture->setObjectName(QStringLiteral("contactpicture"));
    contactpicture->setGeometry(14, 14, 240, 240);
    contactpicture->setFrameShape(QFrame::StyledPanel);
    contactpicture->setAlignment(Qt::AlignCenter);
    Label2 = makeLabelButton(QStringLiteral("Label2"), QStringLiteral("Choose Picture"), page, { 276, 14, 130, 30 });
    cmdload = makeLabelButton(QStringLiteral("cmdload"), QStringLiteral("Load"), page, { 276, 54, 130, 30 });
}

void FrmContact_Info::showEvent(QShowEvent *event)
{
    RecordEditor::showEvent(event);
    const QList<QList<QWidget *>> columns {
        { txtfname, txtlname, txtpadd, txtpcity, txtpstate, txtpcountry, txtpphoneno, txtpmobileno, txtpemailid,
            cmbbdate, remcheck, cmbeventtime },
        { txtcname, txtjobtitle, txtcaddr, txtccity, txtcstate, txtccountry, txtwebsite, txtcemailid, txtcphoneno,
            txtcfaxno },
    };
    for (const QList<QWidget *> &page : columns)
        for (qsizetype i = 1; i < page.size(); ++i)
            setTabOrder(page.at(i - 1), page.at(i));
}

void FrmContact_Info::guardKeys()
{
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    for (QLineEdit *edit : { txtpphoneno, txtpmobileno, txtcphoneno, txtcfaxno })
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
    for (QWidget *control : findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control))
            control->installEventFilter(this);
}

bool FrmContact_Info::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return RecordEditor::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Nothing can be pasted into this window.
    if (key->matches(QKeySequence::Paste) || key->text() == QChar(22))
        return true;
    const bool digitField = watched == txtpphoneno || watched == txtpmobileno || watched == txtcphoneno;
    if ((digitField || watched == txtcfaxno) && isTypedKey(*key) && !contacts::onlyDigits(key->text())) {
        if (digitField)
            app().message(QStringLiteral("Enter Only Numeric Data"), MessageIcon::Critical, QStringLiteral("Orrisday"));
        return true;
    }
    return false;
}

void FrmContact_Info::showButtons(bool save, bool update, bool ok, bool cancel)
{
    lblsave->setVisible(save);
    lblupdate->setVisible(update);
    lblok->setVisible(ok);
    lblcancel->setVisible(cancel);
}

void FrmContact_Info::startNew()
{
    setMode(Mode::New);
    showButtons(true, false, false, true);
    Frambutton->show();
    Frame1->show();
    SSTab1->hide();
    cmbeventtime->clearEditText();
}

void FrmContact_Info::startEdit(const contacts::StoredContact &stored)
{
    setMode(Mode::Edit);
    showButtons(false, true, false, true);
    fill(stored);
}

void FrmContact_Info::startView(const contacts::StoredContact &stored)
{
    showButtons(false, false, true, false);
    fill(stored);
    for (QLineEdit *edit : SSTab1->findChildren<QLineEdit *>())
        edit->setReadOnly(true);
    txtnote->setReadOnly(true);
    for (QWidget *control : std::initializer_list<QWidget *> { cmbbdate, remcheck, cmbeventtime, Label2, cmdload })
        control->setEnabled(false);
}

void FrmContact_Info::fill(const contacts::StoredContact &stored)
{
    const store::Record &contact = stored.contact;
    Frame1->hide();
    Frambutton->show();
    SSTab1->show();
    Text1->setText(contact.text(0));
    const QList<QLineEdit *> columns { txtfname, txtlname, txtpadd, txtpcity, txtpstate, txtpcountry, txtpphoneno,
        txtpmobileno, txtpemailid, nullptr, txtcname, txtjobtitle, txtcaddr, txtccity, txtcstate, txtccountry,
        txtwebsite, txtcemailid, txtcphoneno, txtcfaxno };
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i))
            columns.at(i)->setText(contact.text(i + 1));
    cmbbdate->setEditText(contacts::birthDateShown(contact.text(10)));
    m_storedPicture = contact.text(21);
    showPicture(m_storedPicture);
    txtnote->setPlainText(contact.text(22));
    m_category = contact.text(23);
    if (stored.reminder) {
        m_storedReminderTime = stored.reminder->text(2);
        remcheck->setChecked(true);
        cmbeventtime->setEnabled(true);
        cmbeventtime->setEditText(m_storedReminderTime);
    }
}

void FrmContact_Info::chooseCategory()
{
    if (!cmbcategory->items().contains(cmbcategory->currentText()))
        return;
    m_category = cmbcategory->currentText();
    Frambutton->show();
    SSTab1->show();
    for (QWidget *chooser : std::initializer_list<QWidget *> { Frame1, cmbcategory, labelcategory, Label1 })
        chooser->hide();
}

void FrmContact_Info::remcheckClicked()
{
    const bool ticked = remcheck->isChecked();
    cmbeventtime->setEnabled(ticked);
    // The box shows the time that will be stored.
    if (ticked && cmbeventtime->currentText().trimmed().isEmpty())
        cmbeventtime->setEditText(reminderTime(m_storedReminderTime));
}

QString FrmContact_Info::reminderTime(const QString &storedTime) const
{
    const bool keep = !storedTime.isEmpty() && !m_eventTimePicked;
    return keep ? storedTime : cmbeventtime->pickedTime();
}

void FrmContact_Info::showPicture(const QString &path)
{
    QImage image = path.isEmpty() ? QImage() : readImage(path);
    if (image.isNull())
        image = readImage(app().folder().noPicture());
    if (image.isNull()) {
        contactpicture->setPixmap({});
        contactpicture->setText(QStringLiteral("No picture"));
        return;
    }
    const QSize room = contactpicture->contentsRect().size();
    contactpicture->setPixmap(QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FrmContact_Info::choosePicture()
{
    const std::optional<QString> chosen = app().services().dialogs->openFile(QStringLiteral("All Files "), {});
    if (!chosen || chosen->isEmpty())
        return;
    if (readImage(*chosen).isNull()) {
        app().message(QStringLiteral("The picture could not be opened: %1. The picture stays as it was.").arg(*chosen),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
        return;
    }
    m_picturePath = *chosen;
    showPicture(m_picturePath);
}

FilledEntries FrmContact_Info::entries() const
{
    return contacts::withStoredDefaults({ txtpphoneno->text().trimmed(), txtpmobileno->text().trimmed(),
        txtcphoneno->text(), txtcfaxno->text(), cmbbdate->currentText() });
}

store::Values FrmContact_Info::contactColumns(const FilledEntries &filled, const QString &picture) const
{
    const auto text = [](const QLineEdit *edit) { return edit->text().trimmed(); };
    return { { 1, text(txtfname) }, { 2, text(txtlname) }, { 3, text(txtpadd) }, { 4, text(txtpcity) },
        { 5, text(txtpstate) }, { 6, text(txtpcountry) }, { 7, filled.phone }, { 8, filled.mobile },
        { 9, text(txtpemailid) }, { 10, filled.birthDate }, { 11, text(txtcname) }, { 12, text(txtjobtitle) },
        { 13, text(txtcaddr) }, { 14, text(txtccity) }, { 15, text(txtcstate) }, { 16, text(txtccountry) },
        { 17, text(txtwebsite) }, { 18, text(txtcemailid) }, { 19, filled.companyPhone }, { 20, filled.fax },
        { 21, picture }, { 22, txtnote->toPlainText().trimmed() } };
}

store::Values FrmContact_Info::reminderColumns(
    qint64 remNo, const QString &birthDate, const QString &time, bool added) const
{
    return { { 0, remNo }, { 1, birthDate }, { 2, time }, { 3, app().folder().birthdaySound() },
        { 4, contacts::birthdayMessage(txtfname->text(), txtlname->text(), added) }, { 5, QStringLiteral("") } };
}

void FrmContact_Info::save()
{
    const FilledEntries filled = entries();
    if (txtfname->text().trimmed().isEmpty() && txtlname->text().trimmed().isEmpty()) {
        app().message(QStringLiteral(" Please Enter data"), MessageIcon::Information, QStringLiteral("Orrisdaye"));
        return;
    }
    const QString picture = m_picturePath.isEmpty() ? app().folder().noPicture() : m_picturePath;
    const bool ticked = remcheck->isChecked();
    const bool written = writeChange(QStringLiteral("The contact could not be saved"), [&](store::Database &db) {
        const qint64 contactNo = db.nextNumber(Table::Contact);
        qint64 remNo = 0;
        if (ticked) {
            remNo = db.nextNumber(Table::Reminder);
            db.insert(Table::Reminder, reminderColumns(remNo, filled.birthDate, reminderTime({}), true));
        }
        db.insert(Table::Birthday, { { 1, contactNo }, { 2, filled.birthDate }, { 3, remNo } });
        store::Values contact = contactColumns(filled, picture);
        contact[0] = contactNo;
        contact[23] = m_category.trimmed();
        db.insert(Table::Contact, contact);
    });
    if (written)
        finish(QStringLiteral(" CONTACT ADDED SUCCESSFULLY"), QStringLiteral("Orrisdy"));
}

void FrmContact_Info::updateContact()
{
    using contacts::ReminderStep;
    const FilledEntries filled = entries();
    const QString kept = m_storedPicture.isEmpty() ? app().folder().noPicture() : m_storedPicture;
    const QString picture = m_picturePath.isEmpty() ? kept : m_picturePath;
    const bool ticked = remcheck->isChecked();
    const qint64 contactNo = Text1->text().toLongLong();
    const bool written = writeChange(QStringLiteral("The contact could not be updated"), [&](store::Database &db) {
        const QList<store::Record> rows = db.records(Table::Contact, QStringLiteral("contact_no = ?"), { contactNo });
        if (rows.isEmpty())
            throw store::Error(store::RecordDeleted, QStringLiteral("the contact has been deleted"));
        for (const store::Record &row : rows)
            db.update(Table::Contact, row.rowid, contactColumns(filled, picture));
        // A contact that lost its birthday row gets one again, so that its reminder has an owner.
        QList<store::Record> birthdays = contacts::birthdaysOf(db, contactNo);
        if (birthdays.isEmpty()) {
            db.insert(Table::Birthday, { { 1, contactNo }, { 2, filled.birthDate }, { 3, 0 } });
            birthdays = contacts::birthdaysOf(db, contactNo);
        }
        const store::Record &birthday = birthdays.first();
        const QList<store::Record> reminders = contacts::remindersNumbered(db, birthday.number(3));
        store::Values birthdayColumns { { 2, filled.birthDate } };
        switch (contacts::reminderStep(birthday.number(3) != 0, !reminders.isEmpty(), ticked)) {
        case ReminderStep::Add: {
            const qint64 remNo = db.nextNumber(Table::Reminder);
            db.insert(Table::Reminder, reminderColumns(remNo, filled.birthDate, reminderTime({}), false));
            birthdayColumns[3] = remNo;
            break;
        }
        case ReminderStep::Renumber: {
            const qint64 remNo = db.nextNumber(Table::Reminder);
            for (const store::Record &reminder : reminders)
                db.update(Table::Reminder, reminder.rowid,
                    reminderColumns(remNo, filled.birthDate, reminderTime(reminder.text(2)), false));
            birthdayColumns[3] = remNo;
            break;
        }
        case ReminderStep::Remove:
            birthdayColumns[3] = 0;
            for (const store::Record &reminder : reminders)
                db.update(Table::Reminder, reminder.rowid,
                    { { 0, 0 }, { 1, store::NoDate }, { 2, store::NoDate }, { 3, QStringLiteral("") },
                        { 4, QStringLiteral("") }, { 5, QStringLiteral("") } });
            delete_Zero();
            break;
        case ReminderStep::Keep:
        case ReminderStep::Untouched:
            break;
        }
        db.update(Table::Birthday, birthday.rowid, birthdayColumns);
    });
    if (written)
        finish(QStringLiteral("CONTACT UPDATED SUCCESSFULLY "), QStringLiteral("Orrisdaye"));
}

