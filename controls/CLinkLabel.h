#pragma once

#include <QCursor>
#include <QLabel>
#include <QString>

#include "controls/SystemLook.h"
#include "platform/DesktopOpen.h"

// A static text that shows a web address and opens it with the desktop's handler when clicked.
// It colours itself like a link (unvisited, visited, under the mouse), underlines its text,
// shrinks to its text, shows a hand cursor and a tooltip with the address, and reports a failure
// to open the address in a message box.
//
// The text is laid out by its alignment, as a static's style would place it: AlignVCenter centres
// it vertically, AlignHCenter / AlignRight centre it / put it on the right. New labels align to
// the top left.
class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit CLinkLabel(QWidget* parent = nullptr);
    explicit CLinkLabel(const QString& text, QWidget* parent = nullptr);

    // The address to open; when none is set the text is the address, and an empty text shows it.
    void SetUrl(const QString& url);
    QString GetUrl() const { return m_strUrl; }

    void SetUnderline(bool underline);
    // Whether the label shrinks to its text (on), or keeps the geometry it is given.
    void SetFitText(bool fit);

    // Shrinks the label to its text, keeping the edge or centre its alignment names.
    void FitToText();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Attach();
    void SetHot(bool hot);
    void ApplyUnderline();
    void OpenLink();
    void OnOpened(DesktopOpenResult result);
    QColor TextColour() const;

    ColorRef m_crLink = Rgb(0, 0, 238);
    ColorRef m_crVisited = Rgb(85, 26, 139);
    ColorRef m_crHot;
    bool m_bHot = false;
    bool m_bVisited = false;
    bool m_bUnderline = true;
    bool m_bFitText = true;
    QString m_strUrl;
    QCursor m_hLinkCursor{Qt::PointingHandCursor};
    bool m_bPressed = false;
};

// The message's text for an error code of opening an address ("Unknown Error (N) occurred." for
// codes without one of their own).
QString OpenErrorText(int code);
