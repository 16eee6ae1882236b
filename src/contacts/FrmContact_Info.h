// SPDX-License-Identifier: MIT
#pragma once

#include "contacts/ContactRows.h"
#include "widgets/RecordEditor.h"

class ChoiceCombo;
class DateCombo;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTabWidget;

/// The contact editor: creates a contact in the category chosen first (new mode), changes the
/// contact named by Text1 (edit mode) or shows it (view mode), with its picture and its birth
/// date, whose reminder comes every year.
class FrmContact_Info final : public RecordEditor
{
    Q_OBJECT
public:
    FrmContact_Info(AppContext &app, QWidget *owner);

    void startNew();
    void startEdit(const contacts::StoredContact &stored);
    void startView(const contacts::StoredContact &stored);

public slots:
    void chooseCategory();
    void remcheckClicked();
    void choosePicture();
    void save();
    void updateContact();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Tab runs down the left column of a page, then down the right one.
    void showEvent(QShowEvent *event) override;

private:
    void buildPersonalPage(QWidget *page);
    void buildCompanyPage(QWidget *page);
    void buildPicturePage(QWidget *page);
    QLineEdit *field(QWidget *page, const QString &name, const QString &caption, QPoint at);
    void guardKeys();

    void fill(const contacts::StoredContact &stored);
    void showPicture(const QString &path);
    void showButtons(bool save, bool update, bool ok, bool cancel);

    contacts::FilledEntries entries() const;
    store::Values contactColumns(const contacts::FilledEntries &filled, const QString &picture) const;
    store::Values reminderColumns(qint64 remNo, const QString &birthDate, const QString &time, bool added) const;
    /// The reminder time stored: the picked one, or the stored one while none was picked.
    QString reminderTime(const QString &storedTime) const;

    QFrame *Frame1;
    QLabel *Label1;
    QLabel *labelcategory;
    ChoiceCombo *cmbcategory;
    QTabWidget *SSTab1;
    QWidget *Frambutton;
    ImageButton *lblok;
    QLineEdit *Text1;

    QLineEdit *txtfname, *txtlname, *txtpadd, *txtpcity, *txtpstate, *txtpcountry;
    QLineEdit *txtpphoneno, *txtpmobileno, *txtpemailid;
    DateCombo *cmbbdate;
    QCheckBox *remcheck;
    TimeCombo *cmbeventtime;
    QLineEdit *txtcname, *txtjobtitle, *txtcaddr, *txtccity, *txtcstate, *txtccountry;
    QLineEdit *txtwebsite, *txtcemailid, *txtcphoneno, *txtcfaxno;
    QPlainTextEdit *txtnote;
    QLabel *contactpicture;
    ImageButton *Label2;
    ImageButton *cmdload;

    QString m_category;
    bool m_eventTimePicked = false; ///< a time picked or typed since the editor opened
    QString m_picturePath;   ///< picked since the editor opened
    QString m_storedPicture; ///< of the edited contact
    QString m_storedReminderTime;
};
