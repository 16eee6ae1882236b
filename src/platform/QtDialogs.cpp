// SPDX-License-Identifier: MIT
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

void QtDialogs::message(const QString &text, MessageIcon icon, const QString &title)
{
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                   QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(icons[int(icon)], title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::ask(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SeriesScope QtDialogs::askSeriesScope(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
        QMessageBox::NoButton, QApplication::activeWindow());
    // Every button layout puts the reset role at the far left, alone, and the others at the right.
    QPushButton *whole = box.addButton(QStringLiteral("Whole Series"), QMessageBox::ResetRole);
    QPushButton *thisOne = box.addButton(QStringLiteral("Only This One"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(thisOne);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == thisOne)
        return SeriesScope::ThisOne;
    return box.clickedButton() == whole ? SeriesScope::WholeSeries : SeriesScope::Cancelled;
}

namespace {

std::optional<QString> chooseFile(const QString &filter, const QString &defaultSuffix, QFileDialog::AcceptMode mode)
{
    // A filter without a pattern in brackets ("All Files ") shows every file.
    const QString shown = filter.contains(QLatin1Char('(')) ? filter : filter.trimmed() + QStringLiteral(" (*)");
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString(), shown);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString(defaultSuffix).remove(QStringLiteral("*.")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> QtDialogs::openFile(const QString &filter, const QString &defaultSuffix)
{
    return chooseFile(filter, defaultSuffix, QFileDialog::AcceptOpen);
}

QStringList QtDialogs::openFiles(const QString &filter)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), QString(), QString(), filter);
}

std::optional<QString> QtDialogs::saveFile(const QString &filter, const QString &defaultSuffix)
{
    return chooseFile(filter, defaultSuffix, QFileDialog::AcceptSave);
}
