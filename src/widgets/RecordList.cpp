// SPDX-License-Identifier: MIT
#include "widgets/RecordList.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "store/StoreError.h"
#include "widgets/RecordControls.h"
#include "widgets/rules/StoreFailure.h"

#include <QLineEdit>

RecordList::RecordList(AppContext &app, const QString &objectName, const QString &title, QSize size, QWidget *owner,
    const QString &cancelName)
    : RecordWindow(app, objectName, title, size, owner)
{
    const int y = size.height() - 44;
    const int width = 100;
    const int gap = (size.width() - 32 - 4 * width) / 3;
    QRect place(16, y, width, 30);
    lblnew = makeLabelButton(QStringLiteral("lblnew"), QStringLiteral("New"), this, place);
    lbledit
        = makeLabelButton(QStringLiteral("lbledit"), QStringLiteral("Edit"), this, place.translated(width + gap, 0));
    lblDelete = makeLabelButton(
        QStringLiteral("lblDelete"), QStringLiteral("Delete"), this, place.translated(2 * (width + gap), 0));
    m_cancel = makeLabelButton(cancelName, QStringLiteral("Cancel"), this, place.translated(3 * (width + gap), 0));
    Text1 = makeHiddenBox(QStringLiteral("Text1"), this);
    Text2 = makeHiddenBox(QStringLiteral("Text2"), this);
    Text3 = makeHiddenBox(QStringLiteral("Text3"), this);
    connect(m_cancel, &ImageButton::clicked, this, &RecordList::closeList);
    setEscapeButton(m_cancel);
}

records::RecordKey RecordList::selection() const
{
    return { Text1->text(), Text2->text(), Text3->text() };
}

void RecordList::select(const QString &name, const QString &date, const QString &time)
{
    Text1->setText(name);
    Text2->setText(date);
    Text3->setText(time);
}

void RecordList::askForSelection(const QString &title)
{
    app().message(QStringLiteral(" Please Select The Item"), MessageIcon::Information, title);
    show();
}

void RecordList::closeList()
{
    app().windows().unload(objectName());
    app().windows().setMarker(QString());
}

bool RecordList::tryStore(const QString &whatFailed, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const store::Error &error) {
        app().message(
            records::storeFailureText(whatFailed, error.code()), MessageIcon::Warning, QStringLiteral("Orrisday"));
        return false;
    }
}
