#include "app/ScreenChoice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

QScreen* ChooseScreen(int index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index >= 0)
        return index < screens.size() ? screens[index] : nullptr;
    if (QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos()))
        return underPointer;
    return QGuiApplication::primaryScreen();
}

std::string ScreenListText() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return "Screens: none found\n";
    QString text = "Screens (for --screen N):\n";
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen* s = screens[i];
        const QRect g = s->geometry();
        text += QString("  %1  %2  %3x%4 at %5,%6")
                    .arg(i)
                    .arg(s->name().isEmpty() ? QString("(unnamed)") : s->name())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(g.x())
                    .arg(g.y());
        if (s->devicePixelRatio() != 1.0)
            text += QString(", scale %1").arg(s->devicePixelRatio());
        if (s == QGuiApplication::primaryScreen())
            text += "  (primary)";
        text += "\n";
    }
    return text.toStdString();
}
