// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

/// A plain-text label that ends what does not fit its box with "…" instead of cutting it off
/// mid-letter. text() keeps the whole text.
class ElidedLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    /// The lines as painted: one, or as many as fit when the label wraps words.
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
