#include "controls/CLedCheckBox.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "scene/PlainPictures.h"

namespace {

// Space between the indicator and the text area.
constexpr int kTextGap = 3;

const int kTextFlags = Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

CLedCheckBox::CLedCheckBox(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    // Moves without a button held must arrive too: they light the face.
    setMouseTracking(true);
}

void CLedCheckBox::SetCheck(int state) {
    const bool checked = state == 1 || state == 2;
    if (checked == m_bChecked)
        return;
    m_bChecked = checked;
    update();
}

void CLedCheckBox::SetColours(ColorRef on, ColorRef off) {
    if (on == m_crOn && off == m_crOff)
        return;
    m_crOn = on;
    m_crOff = off;
    update();
}

void CLedCheckBox::SetIcons(int checkedId, int uncheckedId) {
    QPixmap checked = PlainIcon(checkedId);
    QPixmap unchecked = PlainIcon(uncheckedId);
    if (checked.isNull() || unchecked.isNull())
        checked = unchecked = QPixmap();
    // Pictures come from the pixmap cache, so the same pair keeps its keys.
    if (checked.cacheKey() == m_hIconChecked.cacheKey() &&
        unchecked.cacheKey() == m_hIconUnchecked.cacheKey())
        return;
    m_hIconChecked = checked;
    m_hIconUnchecked = unchecked;
    updateGeometry();
    update();
}

void CLedCheckBox::SetTextAlignment(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & (Qt::AlignHCenter | Qt::AlignRight);
    const Qt::Alignment chosen = horizontal == Qt::AlignHCenter || horizontal == Qt::AlignRight
                                     ? horizontal
                                     : Qt::Alignment(Qt::AlignLeft);
    if (chosen == m_nTextAlignment)
        return;
    m_nTextAlignment = chosen;
    update();
}

void CLedCheckBox::SetLeftText(bool leftText) {
    if (leftText == m_bLeftText)
        return;
    m_bLeftText = leftText;
    update();
}

QSize CLedCheckBox::sizeHint() const {
    const int indicator = HasIcons() ? m_hIconChecked.width() : m_nLedSize;
    const QSize textSize =
        text().isEmpty()
            ? QSize()
            : fontMetrics().boundingRect(QRect(0, 0, 400, 400), kTextFlags, text()).size();
    const int inset = kSystemEdge + 1;
    return QSize(2 * inset + indicator + kTextGap + textSize.width() + 1,
                 std::max(indicator, textSize.height()) + 2 * inset);
}

void CLedCheckBox::nextCheckState() {
    // Qt calls this on every click before it repaints and emits clicked().
    m_bChecked = !m_bChecked;
    update();
}

void CLedCheckBox::enterEvent(QEnterEvent* event) {
    // Enter events carry no buttons: the application knows which are held.
    if (isEnabled())
        TrackPointer(event->position(), QGuiApplication::mouseButtons());
    QAbstractButton::enterEvent(event);
}

void CLedCheckBox::leaveEvent(QEvent* event) {
    SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CLedCheckBox::mouseMoveEvent(QMouseEvent* event) {
    TrackPointer(event->position(), event->buttons());
    QAbstractButton::mouseMoveEvent(event);
}

void CLedCheckBox::TrackPointer(const QPointF& position, Qt::MouseButtons buttons) {
    // A drag that started elsewhere does not light the face; one that started here may still
    // put the light out when it leaves.
    if ((buttons & Qt::LeftButton) && !m_bHover)
        return;
    SetHover(rect().contains(position.toPoint()));
}

void CLedCheckBox::SetHover(bool hover) {
    if (hover == m_bHover)
        return;
    m_bHover = hover;
    update();
}

void CLedCheckBox::paintEvent(QPaintEvent*) {
    const bool bPressedLook = isDown();
    const bool bFocusLook = hasFocus();
    const bool bDisabledLook = !isEnabled();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect bounds = rect();
    if (m_bHover) {
        painter.setPen(Qt::black);
        painter.setBrush(SystemColourOf(this, SystemColour::ButtonLight));
        // A stroked rectangle covers one pixel more than its size: this one ends on the edge.
        painter.drawRoundedRect(bounds.adjusted(0, 0, -1, -1), 2, 2);
    } else {
        painter.fillRect(bounds, SystemColourOf(this, SystemColour::ButtonFace));
    }

    const QRect focusFrame = bounds.adjusted(kSystemEdge, kSystemEdge, -kSystemEdge, -kSystemEdge);
    if (bFocusLook)
        DrawFocusFrame(painter, focusFrame);
    const QRect content = focusFrame.adjusted(1, 1, -1, -1);

    const bool icons = HasIcons();
    const int size = icons ? m_hIconChecked.width() : m_nLedSize;
    const int contentRight = content.left() + content.width();
    const int contentBottom = content.top() + content.height();
    const int boxLeft = m_bLeftText ? contentRight - size : content.left();
    const int textLeft = m_bLeftText ? content.left() : boxLeft + size + kTextGap;
    const int textRight = m_bLeftText ? boxLeft - kTextGap : contentRight;
    const QPoint pressShift = bPressedLook ? QPoint(1, 1) : QPoint(0, 0);

    if (icons) {
        // Icons hang from the top edge of the control.
        const QPixmap& icon = m_bChecked ? m_hIconChecked : m_hIconUnchecked;
        const QPoint at = QPoint(boxLeft, 0) + pressShift;
        painter.drawPixmap(at, bDisabledLook ? EmbossedPixmap(icon, this) : icon);
    } else {
        const int boxTop = (contentBottom - size - content.top()) / 2 + 2;
        DrawLed(painter, QRect(boxLeft, boxTop, size, size).translated(pressShift));
    }

    if (text().isEmpty())
        return;
    const QRect textArea = QRect(textLeft, content.top(), textRight - textLeft, content.height())
                               .translated(pressShift);
    const int flags = kTextFlags | int(m_nTextAlignment);
    if (bDisabledLook) {
        DrawEmbossedText(painter, textArea, flags, text(), this);
    } else {
        painter.setPen(SystemColourOf(this, SystemColour::ButtonText));
        painter.drawText(textArea, flags, text());
    }
}

void CLedCheckBox::DrawLed(QPainter& painter, QRect box) const {
    const QColor fill = !isEnabled() ? SystemColourOf(this, SystemColour::ButtonShadow)
                                     : ColourFromRef(m_bChecked ? m_crOn : m_crOff);
    painter.setBrush(fill);
    painter.setPen(Qt::black);
    painter.drawEllipse(box.adjusted(0, 0, -1, -1));
    painter.setPen(ColourFromRef(m_crOff));
    painter.drawEllipse(box.adjusted(1, 1, -2, -2));
}

void CLedCheckBox::DrawFocusFrame(QPainter& painter, const QRect& frame) const {
    // Every other pixel of the frame's outline inverted, on a checkerboard tied to the widget's
    // origin, each pixel once.
    std::vector<QPoint> dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.emplace_back(x, y);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        dot(x, frame.top());
        if (frame.bottom() != frame.top())
            dot(x, frame.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        dot(frame.left(), y);
        if (frame.right() != frame.left())
            dot(frame.right(), y);
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.drawPoints(dots.data(), int(dots.size()));
    painter.restore();
}
