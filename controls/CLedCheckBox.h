#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "controls/SystemLook.h"

// A check box that draws itself as a round LED (bright green when checked, dark green when not),
// or as one of two icons, beside its text, and lights its face while the mouse is over it.
//
// It keeps its own checked state: Qt's checkable machinery stays off. A click (mouse or Space)
// toggles the state and repaints before clicked() is emitted, so a slot connected to clicked()
// already reads the new state with GetCheck(); clicked()'s argument is Qt's own checked flag and
// always false here.
class CLedCheckBox : public QAbstractButton {
    Q_OBJECT

public:
    explicit CLedCheckBox(const QString& text = QString(), QWidget* parent = nullptr);

    // 1 (checked) and 2 (indeterminate) check the box, anything else unchecks it.
    void SetCheck(int state);
    // 1 when checked, else 0.
    int GetCheck() const { return m_bChecked ? 1 : 0; }

    // LED colours: `on` when checked, `off` when not; `off` also rings the LED inside its outline.
    void SetColours(ColorRef on, ColorRef off);

    // Shows the plain pictures "icon<checkedId>" and "icon<uncheckedId>" instead of the LED. When
    // either cannot be loaded, neither is used and the LED is drawn.
    void SetIcons(int checkedId, int uncheckedId);

    // Horizontal placement of the text in its area: Qt::AlignHCenter or Qt::AlignRight, anything
    // else is left-aligned. The text is always word-wrapped and vertically centred.
    void SetTextAlignment(Qt::Alignment alignment);
    // With left text the LED sits at the right end and the text ends 3 pixels before it.
    void SetLeftText(bool leftText);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void TrackPointer(const QPointF& position, Qt::MouseButtons buttons);
    void SetHover(bool hover);
    bool HasIcons() const { return !m_hIconChecked.isNull() && !m_hIconUnchecked.isNull(); }
    void DrawFocusFrame(QPainter& painter, const QRect& frame) const;
    void DrawLed(QPainter& painter, QRect box) const;

    Qt::Alignment m_nTextAlignment = Qt::AlignLeft;
    bool m_bLeftText = false;
    bool m_bHover = false;
    bool m_bChecked = false;
    int m_nLedSize = 15;
    ColorRef m_crOn = Rgb(0, 255, 0);
    ColorRef m_crOff = Rgb(0, 127, 0);
    QPixmap m_hIconChecked;
    QPixmap m_hIconUnchecked;
};
