#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QScreen;
class QWidget;

// Dialogs are laid out in dialog units: a quarter of the dialog font's average character width
// across and an eighth of its height down, so a dialog grows with its font and keeps its
// proportions. The templates name their fonts by point size; the desktop's own sans-serif family
// stands in for every face they name.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The desktop's sans-serif font at a template's point size.
    static QFont TemplateFont(int pointSize);

    // Base units: the average width of the letters A-Z and a-z, rounded, and the font's height.
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // A template rectangle (left, top, width, height in dialog units) in client pixels.
    QRect ToPixels(int x, int y, int width, int height) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};

// Sets a dialog up from its template: caption, font and a fixed client size, then places its
// controls in the template's dialog units.
class DialogLayout {
public:
    DialogLayout(QDialog* dialog, const QString& caption, int widthUnits, int heightUnits,
                 int pointSize);

    const DialogUnits& Units() const { return m_units; }
    const QFont& Font() const { return m_font; }

    // Makes the control a child of the dialog at the template's place and size.
    template <class Control>
    Control* Place(Control* control, int x, int y, int width, int height) const {
        PlaceWidget(control, x, y, width, height);
        return control;
    }

    // Gives the dialog a client area of at least this many pixels, for dialogs whose content
    // has a fixed pixel size of its own (a picture drawn at its natural size).
    void EnsureClientSize(int widthPixels, int heightPixels) const;

    // On a screen too small for the dialog (a small or strongly scaled desktop), shrinks the
    // dialog, its controls and its font together until it fits, and returns the ratio, which
    // content drawn at its own pixel size must follow; 1 when the dialog fits as it is. The
    // screen is the owner's, else the one under the pointer, else the primary.
    double FitToScreen() const;

private:
    void PlaceWidget(QWidget* control, int x, int y, int width, int height) const;

    QDialog* m_pDialog;
    QFont m_font;
    DialogUnits m_units;
};
