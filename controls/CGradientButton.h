#pragma once

#include <QPen>
#include <QPixmap>
#include <QPushButton>
#include <cstdint>

// The push button of the tool bar and the dialogs: a rounded black frame over a grey vertical
// gradient, orange edges while the mouse is over it, blue edges while it has the focus, an
// optional icon at the left (or centred when there is no text), the text right of centre beside
// an icon and centred without one, and a tooltip. It clicks like any QPushButton; a double click counts as two clicks.
class CGradientButton : public QPushButton {
    Q_OBJECT

public:
    explicit CGradientButton(QWidget* parent = nullptr);
    explicit CGradientButton(const QString& text, QWidget* parent = nullptr);

    // Shows the pictures "icon<hotId>" (while hot or focused) and "icon<normalId>" (otherwise; the
    // hot one when normalId is 0) at width x height pixels. A picture that cannot be loaded shows
    // nothing.
    void SetIcon(int hotId, int normalId, std::uint8_t width, std::uint8_t height);
    // Sets the tooltip's text (a null text is ignored); the tooltip shows once it was activated.
    // Tips wider than 400 pixels wrap.
    void SetTooltipText(const QString& text, bool activate);
    // Draws the icon embossed, as disabled pictures look.
    void SetDisabledIcon(bool disabled);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void DrawFace(QPainter& painter, const QRect& inner, bool pressedLook) const;
    void DrawEdges(QPainter& painter, const QRect& inner) const;
    void DrawText(QPainter& painter, const QRect& inner, const QString& text) const;
    void DrawIcon(QPainter& painter, const QRect& inner, bool hasText) const;

    QPen m_penBorder{Qt::black};
    QPen m_penHotLeft, m_penHotRight, m_penHotTop, m_penHotBottom;
    QPen m_penFocusLeft, m_penFocusRight, m_penFocusTop, m_penFocusBottom;
    bool m_bHover = false;
    bool m_bFocus = false;
    bool m_bDisabledIcon = false;
    QPixmap m_hIconHot, m_hIconNormal;
    int m_nIconHotId = 0, m_nIconNormalId = 0;
    std::uint8_t m_nIconHeight = 0, m_nIconWidth = 0;
    QString m_strTooltip;
    bool m_bTooltipActive = false;
};
