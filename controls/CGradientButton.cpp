#include "controls/CGradientButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>

#include "controls/SystemLook.h"
#include "scene/PlainPictures.h"

namespace {

constexpr int kGradientSteps = 64;
constexpr int kTextRightOfCentre = 16;
constexpr int kMaxTextLength = 260;
constexpr int kTooltipMaxWidth = 400;

// Step i (0 at the top, 63 at the bottom) of the face: grey at the top, darker and bluer below;
// hot faces darken more slowly, and the blue falls at a rate set by hot and pressed together.
QColor FaceColour(int i, bool hover, bool pressedLook) {
    const int grey = 205 - i / (hover ? 4 : 3);
    const int blueDivisor = hover ? (pressedLook ? 3 : 5) : (pressedLook ? 4 : 5);
    return QColor(grey, grey, 205 - i / blueDivisor);
}

// A horizontal or vertical line from `from` towards `to`, the end point left out, `pen` pixels
// wide: the extra pixel of a width goes left of (or above) the line.
void FillLine(QPainter& painter, const QPen& pen, QPoint from, QPoint to) {
    const int width = pen.width(), before = width / 2;
    if (from.x() == to.x()) {
        const int top = std::min(from.y(), to.y() + 1), bottom = std::max(from.y() + 1, to.y());
        painter.fillRect(from.x() - before, top, width, bottom - top, pen.color());
    } else {
        const int left = std::min(from.x(), to.x() + 1), right = std::max(from.x() + 1, to.x());
        painter.fillRect(left, from.y() - before, right - left, width, pen.color());
    }
}

// The tip as it is when no line of it is wider than 400 pixels, otherwise as rich text wrapped at
// 400 pixels.
QString TooltipMarkup(const QString& text) {
    const QFontMetrics metrics(QToolTip::font());
    if (!Qt::mightBeRichText(text) && metrics.size(0, text).width() <= kTooltipMaxWidth)
        return text;
    return QStringLiteral("<table width=\"") + QString::number(kTooltipMaxWidth) +
           QStringLiteral("\"><tr><td>") + Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) +
           QStringLiteral("</td></tr></table>");
}

}  // namespace

CGradientButton::CGradientButton(QWidget* parent) : CGradientButton(QString(), parent) {}

CGradientButton::CGradientButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent),
      m_penHotLeft(QColor(250, 196, 88), 3),
      m_penHotRight(QColor(251, 202, 106), 3),
      m_penHotTop(QColor(252, 210, 121), 2),
      m_penHotBottom(QColor(229, 151, 0), 2),
      m_penFocusLeft(QColor(153, 198, 252), 3),
      m_penFocusRight(QColor(162, 189, 252), 3),
      m_penFocusTop(QColor(162, 201, 255), 2),
      m_penFocusBottom(QColor(162, 201, 255), 2) {
    // Every pixel is painted from the back buffer, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGradientButton::SetIcon(int hotId, int normalId, std::uint8_t width, std::uint8_t height) {
    if (hotId == m_nIconHotId && normalId == m_nIconNormalId && width == m_nIconWidth &&
        height == m_nIconHeight)
        return;
    m_nIconHotId = hotId;
    m_nIconNormalId = normalId;
    m_hIconHot = PlainIcon(hotId);
    m_hIconNormal = normalId != 0 ? PlainIcon(normalId) : m_hIconHot;
    m_nIconWidth = width;
    m_nIconHeight = height;
    repaint();
}

void CGradientButton::SetTooltipText(const QString& text, bool activate) {
    if (text.isNull() || (text == m_strTooltip && (m_bTooltipActive || !activate)))
        return;
    m_strTooltip = text;
    m_bTooltipActive = m_bTooltipActive || activate;
    setToolTip(m_bTooltipActive ? TooltipMarkup(text) : QString());
}

void CGradientButton::SetDisabledIcon(bool disabled) {
    if (disabled == m_bDisabledIcon)
        return;
    m_bDisabledIcon = disabled;
    update();
}

void CGradientButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (!m_bHover) {
        m_bHover = true;
        update();
    }
}

void CGradientButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    if (m_bHover) {
        m_bHover = false;
        update();
    }
}

void CGradientButton::focusInEvent(QFocusEvent* event) {
    m_bFocus = true;
    QPushButton::focusInEvent(event);
    update();
}

void CGradientButton::focusOutEvent(QFocusEvent* event) {
    m_bFocus = false;
    QPushButton::focusOutEvent(event);
    update();
}

void CGradientButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press of its own, so a double click clicks twice.
    mousePressEvent(event);
}

void CGradientButton::paintEvent(QPaintEvent*) {
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return;
    // Drawn whole into a back buffer and copied in one go, so hot-tracking never flickers.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        painter.fillRect(rect(), SystemColourOf(this, SystemColour::ButtonFace));
        // The frame: a 5 x 5 corner ellipse cuts one pixel off each corner; inside, white.
        painter.fillRect(1, 1, w - 2, h - 2, Qt::white);
        const QColor border = m_penBorder.color();
        painter.fillRect(1, 0, w - 2, 1, border);
        painter.fillRect(1, h - 1, w - 2, 1, border);
        painter.fillRect(0, 1, 1, h - 2, border);
        painter.fillRect(w - 1, 1, 1, h - 2, border);

        const bool pressedLook = m_bFocus || isDown() || isDefault();
        const QRect inner = rect().adjusted(kSystemEdge, kSystemEdge, -kSystemEdge, -kSystemEdge);
        DrawFace(painter, inner, pressedLook);
        if (m_bHover || m_bFocus)
            DrawEdges(painter, inner);
        const QString text = this->text().left(kMaxTextLength);
        DrawText(painter, inner, text);
        DrawIcon(painter, inner, !text.isEmpty());
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void CGradientButton::DrawFace(QPainter& painter, const QRect& inner, bool pressedLook) const {
    const int faceHeight = inner.height();
    if (faceHeight <= 0 || inner.width() <= 0)
        return;
    // Rows are counted from the top of the button, so the first rows of a short face already
    // start a few steps down the gradient.
    for (int y = inner.top(); y < faceHeight + kSystemEdge; ++y) {
        const int step = std::min(kGradientSteps - 1, y * (kGradientSteps - 1) / faceHeight);
        painter.fillRect(inner.left(), y, inner.width(), 1,
                         FaceColour(step, m_bHover, pressedLook));
    }
}

void CGradientButton::DrawEdges(QPainter& painter, const QRect& inner) const {
    const bool hot = m_bHover || !m_bFocus;
    const int left = inner.left(), top = inner.top();
    const int right = inner.right() + 1, bottom = inner.bottom() + 1;
    FillLine(painter, hot ? m_penHotLeft : m_penFocusLeft, {left, bottom - 1}, {left, top + 1});
    FillLine(painter, hot ? m_penHotRight : m_penFocusRight, {right - 1, bottom - 1},
             {right - 1, top});
    FillLine(painter, hot ? m_penHotTop : m_penFocusTop, {left - 1, top}, {right - 1, top});
    FillLine(painter, hot ? m_penHotBottom : m_penFocusBottom, {left, bottom}, {right - 1, bottom});
}

void CGradientButton::DrawText(QPainter& painter, const QRect& inner, const QString& text) const {
    if (text.isEmpty())
        return;
    constexpr int flags = Qt::TextShowMnemonic | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop;
    painter.setFont(font());
    const QSize extent = QFontMetrics(font()).size(Qt::TextShowMnemonic, text);
    const int left = inner.left(), top = inner.top();
    const int right = inner.right() + 1, bottom = inner.bottom() + 1;
    const bool pressed = isDown();
    // Room for the icon at the left; a button without one centres its text, so that a short
    // button does not cut its text off at the right.
    const int shift = m_hIconHot.isNull() ? 0 : kTextRightOfCentre;
    const QRect box(
        (left + right) / 2 - extent.width() / 2 + shift - (pressed ? 0 : 1),
        (top + bottom) / 2 - extent.height() / 2 + (pressed ? 1 : 0), extent.width(),
        extent.height());
    if (isEnabled()) {
        painter.setPen(Qt::black);
        painter.drawText(box, flags, text);
    } else {
        DrawEmbossedText(painter, box, flags, text, this);
    }
}

void CGradientButton::DrawIcon(QPainter& painter, const QRect& inner, bool hasText) const {
    QPixmap icon = m_bHover || m_bFocus ? m_hIconHot : m_hIconNormal;
    if (icon.isNull())
        return;
    // A size of 0 keeps the picture's own size.
    const int width = m_nIconWidth != 0 ? m_nIconWidth : icon.width();
    const int height = m_nIconHeight != 0 ? m_nIconHeight : icon.height();
    if (icon.size() != QSize(width, height))
        icon = icon.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (m_bDisabledIcon)
        icon = EmbossedPixmap(icon, this);
    const int left = inner.left(), top = inner.top();
    const int right = inner.right() + 1, bottom = inner.bottom() + 1;
    const int shift = m_bFocus ? 1 : 0;
    const int x = hasText ? left : left + (right - width - left) / 2;
    const int y = top + (bottom - height - top) / 2 + 2;
    painter.drawPixmap(x + shift, y + shift, icon);
}
