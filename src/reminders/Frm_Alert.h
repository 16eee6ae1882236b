// SPDX-License-Identifier: MIT
// The alert pop-up: slides up out of the bottom right corner of the screen, stays three seconds,
// slides back down and closes. It offers to put the reminder off, and a click on it opens the
// reminder's record.
#pragma once

#include <QWidget>

class ImageButton;
class QComboBox;
class QLabel;
class QSvgRenderer;
class QTimer;

class Frm_Alert final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 226; // 3390 twips
    static constexpr int Height = 140; // 2100 twips
    static constexpr int Step = 2; // 30 twips
    static constexpr int StepInterval = 15;
    static constexpr int StayTime = 3000;

    enum class Motion {
        SlideIn, ///< in and out of the screen's bottom right corner, above every window
        StayPut, ///< a plain small window where the desktop puts it (Wayland)
    };
    /// How the alert appears on this desktop.
    static Motion desktopMotion();

    /// Loads the window just below the screen's bottom right corner and starts its slide-in; or,
    /// staying put, starts its stay at once. It never takes the focus from the user's window.
    explicit Frm_Alert(Motion motion = desktopMotion());

    /// Fills the title, name and description lines.
    void setTexts(const QString &title, const QString &name, const QString &description);
    /// Says under the description that the reminder comes late; an empty text hides the line.
    void setLateNotice(const QString &notice);
    /// Whether the window is still on its way; false once it has closed.
    bool isLoaded() const { return m_loaded; }

signals:
    /// The user closed the alert with its close picture.
    void dismissed();
    /// The user put the reminder off by the minutes chosen; the alert closes.
    void snoozed(int minutes);
    /// The user clicked the alert to open the reminder's record; the alert closes.
    void opened();

public slots:
    /// One step of the slide-in (Timer1).
    void slideIn();
    /// The stay is over (Timer2), unless the mouse or the focus is on the alert: then it stays
    /// another while.
    void endStay();
    /// Puts the reminder off by the minutes chosen in `cmbsnooze`.
    void snooze();
    /// One step of the slide-out (Timer3); closes the window back at the screen bottom.
    void slideOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *addLabel(const QString &name, const QString &text, QRect geometry);
    void buildSnooze();
    bool isInUse() const;

    QSvgRenderer *m_background;
    QLabel *lbltitle;
    QLabel *Label1;
    QLabel *Lblname;
    QLabel *Label2;
    QLabel *lbldesp;
    QLabel *lbllate;
    ImageButton *imgX;
    ImageButton *imgPointer;
    QComboBox *cmbsnooze;
    ImageButton *lblsnooze;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;
    int m_left = 0;
    int m_screenBottom = 0;
    int m_top = 0;
    bool m_loaded = true;
    bool m_slides;
    bool m_pressed = false;
};
