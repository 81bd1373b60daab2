#include "app/SceneMenu.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "app/ToolModes.h"
#include "scene/PlainPictures.h"

namespace {

constexpr int kItemWidth = 140, kItemHeight = 48;
constexpr int kIconStripWidth = 25;
constexpr int kIconInset = 3, kIconSize = 24;
constexpr int kTextIndent = 8;
const QColor kIconStrip(219, 216, 209);
const QColor kTextArea(249, 248, 247);
const QColor kSelected(177, 185, 207);

struct MenuItem {
    const char* text;  // the two leading blanks belong to it
    int iconId;
    int command;
};

constexpr MenuItem kMenuItems[] = {
    {"  Add/Delete Fish", 180, kCmdFishSettings},
    {"  Custom Music", 253, kCmdCustomMusic},
    {"  Custom Background", 232, kCmdCustomBackground},
    {"  Exit", 175, kCmdExit},
};

// Every item is measured and drawn here, and the menu has no frame or margin of its own: its items
// are all there is to see.
class SceneMenuStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_MenuPanelWidth:
            case PM_MenuHMargin:
            case PM_MenuVMargin:
            case PM_MenuDesktopFrameWidth:
                return 0;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem)
            return QSize(kItemWidth, kItemHeight);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuItem && item) {
            DrawItem(*item, painter);
        } else if (element != CE_MenuEmptyArea) {
            QProxyStyle::drawControl(element, option, painter, widget);
        }
    }

private:
    static void DrawItem(const QStyleOptionMenuItem& item, QPainter* painter) {
        const QRect r = item.rect;
        const QRect iconStrip(r.left(), r.top(), kIconStripWidth, r.height());
        const QRect textArea = r.adjusted(kIconStripWidth, 0, 0, 0);
        const bool selected = (item.state & State_Selected) && (item.state & State_Enabled);
        painter->save();
        if (selected) {
            painter->fillRect(r, Qt::black);
            painter->fillRect(r.adjusted(1, 1, -1, -1), kSelected);
        } else {
            painter->fillRect(iconStrip, kIconStrip);
            painter->fillRect(textArea, kTextArea);
        }
        // The selected icon sits one pixel up and left, as if lifted towards the pointer.
        const QPoint iconAt =
            iconStrip.topLeft() + QPoint(kIconInset, kIconInset) - QPoint(selected, selected);
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->drawPixmap(iconAt, item.icon.pixmap(QSize(kIconSize, kIconSize), ratio));
        painter->setPen(Qt::black);
        painter->setFont(item.font);
        painter->drawText(textArea.adjusted(kTextIndent, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
        painter->restore();
    }
};

// The menu's font, made smaller where needed so that every text fits its item on one line.
QFont FittingFont(QFont font) {
    const int room = kItemWidth - kIconStripWidth - kTextIndent;
    for (;;) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const MenuItem& item : kMenuItems)
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(item.text)));
        if (widest <= room || font.pointSizeF() <= 6.0)
            return font;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

}  // namespace

int RunSceneMenu(const QPoint& globalPos) {
    SceneMenuStyle style;  // outlives the menu, which does not own it
    QMenu menu;
    menu.setStyle(&style);
    menu.setFont(FittingFont(menu.font()));
    for (const MenuItem& item : kMenuItems) {
        QAction* action =
            menu.addAction(QIcon(PlainIcon(item.iconId)), QString::fromLatin1(item.text));
        action->setData(item.command);
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}
