#include "controls/DialogUnits.h"

#include <QCursor>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average over 52 letters, rounded to the nearest pixel.
    m_nBaseX = qMax(1, (letters / 26 + 1) / 2);
    m_nBaseY = qMax(1, metrics.height());
}

QFont DialogUnits::TemplateFont(int pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

int DialogUnits::ToPixelsX(int units) const {
    return MulDivRounded(units, m_nBaseX, 4);
}

int DialogUnits::ToPixelsY(int units) const {
    return MulDivRounded(units, m_nBaseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    // Both edges are converted, so neighbouring controls meet as they do in the template.
    const int left = ToPixelsX(x), top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + width) - left, ToPixelsY(y + height) - top);
}

DialogLayout::DialogLayout(QDialog* dialog, const QString& caption, int widthUnits, int heightUnits,
                           int pointSize)
    : m_pDialog(dialog), m_font(DialogUnits::TemplateFont(pointSize)), m_units(m_font) {
    dialog->setWindowTitle(caption);
    dialog->setFont(m_font);
    dialog->setFixedSize(m_units.ToPixelsX(widthUnits), m_units.ToPixelsY(heightUnits));
}

void DialogLayout::EnsureClientSize(int widthPixels, int heightPixels) const {
    const QSize size = m_pDialog->size().expandedTo(QSize(widthPixels, heightPixels));
    m_pDialog->setFixedSize(size);
}

void DialogLayout::PlaceWidget(QWidget* control, int x, int y, int width, int height) const {
    control->setParent(m_pDialog);
    control->setFont(m_font);
    control->setGeometry(m_units.ToPixels(x, y, width, height));
}

double DialogLayout::FitToScreen() const {
    const QWidget* owner = m_pDialog->parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    // Room for the window manager's title bar and frame.
    constexpr int kDecoration = 48;
    constexpr double kSmallest = 0.5;
    const QRect room = screen->availableGeometry().adjusted(0, 0, 0, -kDecoration);
    const QSize size = m_pDialog->size();
    const double ratio = qMax(kSmallest, qMin(1.0, qMin(double(room.width()) / size.width(),
                                                        double(room.height()) / size.height())));
    if (ratio >= 1.0)
        return 1.0;
    QFont smaller = m_font;
    smaller.setPointSizeF(m_font.pointSizeF() * ratio);
    m_pDialog->setFont(smaller);
    for (QWidget* control : m_pDialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = control->geometry();
        control->setFont(smaller);
        control->setGeometry(qRound(r.x() * ratio), qRound(r.y() * ratio),
                             qRound(r.width() * ratio), qRound(r.height() * ratio));
    }
    m_pDialog->setFixedSize(qRound(size.width() * ratio), qRound(size.height() * ratio));
    return ratio;
}
