// SPDX-License-Identifier: MIT
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

void QtDialogs::message(const QString &text, MessageIcon icon, const QString &title)
{
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                   QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(icons[int(icon)], title.isEmpty() ? QApplication::applicationName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

std::optional<QString> QtDialogs::openFile(const QString &filter, const QString &defaultSuffix)
{
    // A filter without a pattern in brackets ("All Files ") shows every file.
    const QString shown = filter.contains(QLatin1Char('(')) ? filter : filter.trimmed() + QStringLiteral(" (*)");
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString(), shown);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString(defaultSuffix).remove(QStringLiteral("*.")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
