// The gradient button in each of its states, put there by the events a user would cause.
#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "GalleryPanel.h"
#include "controls/CGradientButton.h"

namespace {

void Hover(CGradientButton& b) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
}

void Focus(CGradientButton& b) {
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&b, &focus);
}

void Press(CGradientButton& b) {
    const QPointF at(b.width() / 2, b.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&b, &press);
}

// A dialog button (the Fish Settings dialog's size, doubled) or a tool bar button with icon 160.
QImage Render(const QString& text, bool icon, const std::function<void(CGradientButton&)>& state) {
    CGradientButton button(text);
    if (icon) {
        button.resize(68, 42);
        button.SetIcon(160, 0, 40, 40);
    } else {
        button.resize(80, 30);
    }
    state(button);
    return button.grab().toImage();
}

QImage RenderGradientButtons() {
    const auto none = [](CGradientButton&) {};
    const auto disable = [](CGradientButton& b) { b.setEnabled(false); };
    const auto hoverPress = [](CGradientButton& b) { Hover(b), Press(b); };
    const auto hoverFocus = [](CGradientButton& b) { Hover(b), Focus(b); };
    const auto makeDefault = [](CGradientButton& b) { b.setDefault(true); };
    const auto iconDisabled = [](CGradientButton& b) { b.SetDisabledIcon(true); };
    const QString add = QStringLiteral("&Add");
    QImage dialog = GalleryRow({{"normal", Render(add, false, none)},
                                {"hot", Render(add, false, Hover)},
                                {"focused", Render(add, false, Focus)},
                                {"hot+focused", Render(add, false, hoverFocus)},
                                {"pressed (hot)", Render(add, false, hoverPress)},
                                {"default", Render(add, false, makeDefault)},
                                {"disabled", Render(add, false, disable)}});
    QImage toolBar = GalleryRow({{"icon", Render({}, true, none)},
                                 {"icon hot", Render({}, true, Hover)},
                                 {"icon focused", Render({}, true, Focus)},
                                 {"icon disabled", Render({}, true, iconDisabled)},
                                 {"icon+text", Render(QStringLiteral("Feed"), true, none)},
                                 {"icon+text hot", Render(QStringLiteral("Feed"), true, Hover)}});
    QImage both(std::max(dialog.width(), toolBar.width()), dialog.height() + toolBar.height(),
                QImage::Format_RGB32);
    both.fill(QColor(236, 236, 236));
    QPainter painter(&both);
    painter.drawImage(0, 0, dialog);
    painter.drawImage(0, dialog.height(), toolBar);
    return both;
}

const GalleryPanel kGradientButtonPanel(QStringLiteral("Gradient button"), RenderGradientButtons);

}  // namespace
