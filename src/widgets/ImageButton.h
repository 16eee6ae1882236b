// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

/// A label over images: shows its normal picture, the hover picture while the mouse is over
/// it, and an optional caption on top. Acts on a left click, and on Space or Enter when Tab has
/// brought the focus to it (a click does not take the focus).
class ImageButton final : public QWidget
{
    Q_OBJECT
public:
    /// The pictures are resource paths of SVG files; the hover picture may be empty.
    ImageButton(const QString &objectName, const QString &normalPicture, const QString &hoverPicture,
                QWidget *parent, const QString &caption = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool isHovered() const { return m_hovered; }
    /// Puts the normal picture back.
    void showNormalPicture();
    /// Acts as if clicked.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QSvgRenderer *m_normal;
    QSvgRenderer *m_hover;
    QString m_caption;
    bool m_hovered = false;
    bool m_pressed = false;
};
