// SPDX-License-Identifier: MIT
#include "notes/Frm_Note.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "notes/frmnote_info.h"
#include "store/Views.h"
#include "widgets/GroupedGrid.h"
#include "widgets/ImageButton.h"

namespace {

const QString ListKey = QStringLiteral("Frm_Note");
const QString EditorKey = QStringLiteral("FrmNote_Info");

// Columns of the note view: the blank row header, Name, Description, Date, Time, note_code.
constexpr int NameColumn = 1;
constexpr int DateColumn = 3;
constexpr int TimeColumn = 4;

} // namespace

Frm_Note::Frm_Note(AppContext &app, QWidget *owner)
    : RecordList(app, ListKey, { store::Table::Note, 5, QStringLiteral("note"), EditorKey }, QStringLiteral("Notes"),
        QSize(600, 380), owner, QStringLiteral("lblcancel"))
{
    const store::ViewSpec view = store::noteView();
    MSHFlexGrid1 = new GroupedGrid(QStringLiteral("MSHFlexGrid1"), view.columns, -1, this);
    MSHFlexGrid1->setGeometry(16, 40, width() - 32, height() - 40 - 56);
    MSHFlexGrid1->setHiddenColumns({ 0 });
    // 3000, 1000 and 2000 twips.
    MSHFlexGrid1->setFixedWidths({ { 2, 200 }, { 3, 67 }, { 4, 133 } });
    MSHFlexGrid1->setLeftAligned({ 1, 2, 3, 4 });
    readGrids([&] { MSHFlexGrid1->fill(store::groupedView(app.db(), view)); });
    takeSelectionFrom(MSHFlexGrid1, { NameColumn, DateColumn, TimeColumn });
    connect(lblnew, &ImageButton::clicked, this, &Frm_Note::newNote);
    connect(lbledit, &ImageButton::clicked, this, &Frm_Note::editNote);
    connect(lblDelete, &ImageButton::clicked, this, &Frm_Note::deleteNote);
}

void Frm_Note::newNote()
{
    if (auto *editor = qobject_cast<frmnote_info *>(app().windows().open(EditorKey)))
        editor->startNew();
}

void Frm_Note::editNote()
{
    const records::RecordKey key = selection();
    if (key.name.isEmpty() && key.date.isEmpty()) {
        askForSelection(QStringLiteral("Orrisdy"));
        return;
    }
    // Every match fills the editor in turn; the last one stays.
    editStored(key, Matches::Last,
        [key](QWidget *editor, const store::Record &note, const QList<store::Record> &reminders) {
            if (auto *noteEditor = qobject_cast<frmnote_info *>(editor))
                noteEditor->startEdit(key, note, reminders);
        });
}

void Frm_Note::deleteNote()
{
    deleteSelection({ Matches::Every, Matches::Every, QStringLiteral(" NOTE DELETED SUCCESSFULLY"),
        QStringLiteral("Orrisdaye"), QStringLiteral(" Orrisdaye") });
}
