// The link label unvisited, under the mouse, visited, without underline, and fitted to its text
// by each alignment inside the same box.
#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

#include "GalleryPanel.h"
#include "controls/CLinkLabel.h"
#include "platform/MessageBox.h"

namespace {

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Shows(QWidget& widget, QRgb colour) {
    const QImage image = Grab(widget);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), colour) > 0;
}

void Enter(QWidget& widget) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &enter);
}

// Opens the address with a stand-in for the desktop's opener that always succeeds, so the
// gallery never starts a browser, and waits until the label shows it as visited.
void Visit(CLinkLabel& label) {
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    opener.open(QIODevice::WriteOnly);
    opener.write("#!/bin/sh\nexit 0\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    std::vector<ShownMessage> messages;
    CaptureMessageBoxes(&messages);
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    QApplication::sendEvent(&label, &release);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000 && messages.empty() && !Shows(label, qRgb(85, 26, 139)))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    CaptureMessageBoxes(nullptr);
    qputenv("PATH", path);
}

QImage FittedIn(Qt::Alignment alignment) {
    QWidget box;
    box.resize(260, 40);
    box.setAutoFillBackground(true);
    box.setPalette(QColor(255, 255, 255));
    CLinkLabel label("merow", &box);
    label.setGeometry(0, 0, 260, 40);
    label.setAlignment(alignment);
    label.FitToText();
    QImage image = Grab(box);
    QPainter painter(&image);
    painter.setPen(QColor(255, 0, 0));
    painter.drawRect(label.geometry().adjusted(0, 0, -1, -1));
    return image;
}

GalleryPanel panel("CLinkLabel", [] {
    const QString url = "https://example.org/merowfish";
    CLinkLabel normal(url);
    CLinkLabel hot(url);
    CLinkLabel visited(url);
    CLinkLabel visitedHot(url);
    CLinkLabel plain(url);
    plain.SetUnderline(false);
    CLinkLabel disabled(url);
    disabled.setEnabled(false);
    for (CLinkLabel* label : {&normal, &hot, &visited, &visitedHot, &plain, &disabled})
        label->ensurePolished();
    Enter(hot);
    Visit(visited);
    Visit(visitedHot);
    Enter(visitedHot);
    const QImage states = GalleryRow({{"normal", Grab(normal)},
                                      {"hot", Grab(hot)},
                                      {"visited", Grab(visited)},
                                      {"visited, hot", Grab(visitedHot)},
                                      {"no underline", Grab(plain)},
                                      {"disabled", Grab(disabled)}});
    const QImage fits = GalleryRow({{"fit: left, top", FittedIn(Qt::AlignLeft | Qt::AlignTop)},
                                    {"right, top", FittedIn(Qt::AlignRight | Qt::AlignTop)},
                                    {"centre", FittedIn(Qt::AlignCenter)},
                                    {"left, bottom", FittedIn(Qt::AlignLeft | Qt::AlignBottom)}});
    QImage both(std::max(states.width(), fits.width()), states.height() + fits.height(),
                QImage::Format_RGB32);
    both.fill(QColor(236, 236, 236));
    QPainter painter(&both);
    painter.drawImage(0, 0, states);
    painter.drawImage(0, states.height(), fits);
    return both;
});

}  // namespace
