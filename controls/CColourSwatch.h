#pragma once

#include <QPushButton>

#include "controls/SystemLook.h"

// A push button that shows one colour: a block of the colour inside a 1-pixel white frame.
// Focus, pressed and disabled states do not change the look; a click is the button's clicked().
class CColourSwatch : public QPushButton {
    Q_OBJECT

public:
    explicit CColourSwatch(QWidget* parent = nullptr);

    // Stores the colour and repaints; always succeeds.
    bool SetColour(ColorRef colour);
    ColorRef GetColour() const { return m_crColour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorRef m_crColour = Rgb(255, 0, 0);
};
