#include "controls/CLinkLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "platform/MessageBox.h"

namespace {

QString UnknownErrorText(int code) {
    return QString("Unknown Error (%1) occurred.").arg(code);
}

// The desktop's reasons map to the nearest codes; any other failure shows the handler's status.
QString FailureText(const DesktopOpenResult& result) {
    constexpr int kFileNotFound = 2, kNoAssociation = 31;
    switch (result.outcome) {
        case DesktopOpenOutcome::NotFound:
            return OpenErrorText(kFileNotFound);
        case DesktopOpenOutcome::NoHandler:
            return OpenErrorText(kNoAssociation);
        default:
            return UnknownErrorText(result.status);
    }
}

}  // namespace

QString OpenErrorText(int code) {
    switch (code) {
        case 0:
            return "The operating system is out\nof memory or resources.";
        case 2:
            return "The specified file was not found.";
        case 3:
            return "The specified path was not found.";
        case 5:
            return "The operating system denied\naccess to the specified file.";
        case 8:
            return "There was not enough memory to complete the operation.";
        case 11:
            return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26:
            return "A sharing violation occurred. ";
        case 27:
            return "The filename association is\nincomplete or invalid.";
        case 28:
            return "The DDE transaction could not\nbe completed because the request timed out.";
        case 29:
            return "The DDE transaction failed.";
        case 30:
            return "The DDE transaction could not\nbe completed because other DDE "
                   "transactions\nwere being processed.";
        case 31:
            return "There is no application associated\nwith the given filename extension.";
        case 32:
            return "The specified dynamic-link library was not found.";
        default:
            return UnknownErrorText(code);
    }
}

CLinkLabel::CLinkLabel(QWidget* parent) : CLinkLabel(QString(), parent) {}

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_crHot(RefFromColour(SystemColourOf(this, SystemColour::Highlight))) {
    // Like a plain static: top left, the text as it is.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setCursor(m_hLinkCursor);
    ApplyUnderline();
}

void CLinkLabel::SetUrl(const QString& url) {
    if (url == m_strUrl)
        return;
    m_strUrl = url;
    setToolTip(m_strUrl);
    if (text().isEmpty())
        setText(m_strUrl);
    if (testAttribute(Qt::WA_WState_Polished))
        FitToText();
}

void CLinkLabel::SetUnderline(bool underline) {
    if (underline == m_bUnderline)
        return;
    m_bUnderline = underline;
    ApplyUnderline();
}

void CLinkLabel::SetFitText(bool fit) {
    if (fit == m_bFitText)
        return;
    m_bFitText = fit;
    if (testAttribute(Qt::WA_WState_Polished))
        FitToText();
}

void CLinkLabel::FitToText() {
    if (!m_bFitText)
        return;
    const int margins = 2 * margin();
    const QSize fit =
        fontMetrics().size(0, text()) + (size() - contentsRect().size()) + QSize(margins, margins);
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    QRect box = geometry();
    if (align & Qt::AlignVCenter)
        box.translate(0, (box.height() - fit.height()) / 2);
    box.setHeight(fit.height());
    if (align & Qt::AlignHCenter)
        box.translate((box.width() - fit.width()) / 2, 0);
    else if (align & Qt::AlignRight)
        box.translate(box.width() - fit.width(), 0);
    box.setWidth(fit.width());
    setGeometry(box);
}

bool CLinkLabel::event(QEvent* event) {
    if (event->type() == QEvent::Polish)
        Attach();
    return QLabel::event(event);
}

// Runs once, before the label is first shown, when the dialog has given it text and geometry.
void CLinkLabel::Attach() {
    if (m_strUrl.isEmpty())
        m_strUrl = text();
    if (text().isEmpty())
        setText(m_strUrl);
    setToolTip(m_strUrl);
    FitToText();
}

void CLinkLabel::ApplyUnderline() {
    QFont underlined = font();
    underlined.setUnderline(m_bUnderline);
    setFont(underlined);
}

void CLinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    // A font handed down by the dialog keeps the label's underline setting.
    if (font().underline() != m_bUnderline)
        ApplyUnderline();
    else if (testAttribute(Qt::WA_WState_Polished))
        FitToText();
}

QColor CLinkLabel::TextColour() const {
    if (m_bHot)
        return ColourFromRef(m_crHot);
    return ColourFromRef(m_bVisited ? m_crVisited : m_crLink);
}

void CLinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, TextColour());
    int flags = QStyle::visualAlignment(layoutDirection(), alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, box, flags, colours, true, text(), QPalette::WindowText);
}

// While hot the label holds the mouse, so it sees the pointer leave even when the move is fast.
void CLinkLabel::SetHot(bool hot) {
    if (hot == m_bHot)
        return;
    m_bHot = hot;
    if (hot)
        grabMouse();
    else
        releaseMouse();
    repaint();
}

void CLinkLabel::enterEvent(QEnterEvent* event) {
    SetHot(true);
    QLabel::enterEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event) {
    SetHot(false);
    QLabel::leaveEvent(event);
}

void CLinkLabel::hideEvent(QHideEvent* event) {
    SetHot(false);
    QLabel::hideEvent(event);
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    SetHot(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    m_bPressed = event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    QLabel::mousePressEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_bPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_bPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (!click)
        return;
    OpenLink();
    emit clicked();  // last: the parent may close the dialog
}

void CLinkLabel::OpenLink() {
    OpenWithDesktop(m_strUrl, this, [this](DesktopOpenResult result) { OnOpened(result); });
}

void CLinkLabel::OnOpened(DesktopOpenResult result) {
    if (result.outcome == DesktopOpenOutcome::Opened) {
        // Visited for the rest of the label's life.
        m_bVisited = true;
        update();
        return;
    }
    QApplication::beep();
    ShowMessageBox(("Unable to open hyperlink:\n\n" + FailureText(result)).toStdString());
}
