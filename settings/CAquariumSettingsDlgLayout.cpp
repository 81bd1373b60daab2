// Where the Aquarium Settings dialog's controls lie, in its template's dialog units.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "controls/CColourSlider.h"
#include "controls/CColourSwatch.h"
#include "controls/CLedCheckBox.h"
#include "controls/DialogUnits.h"
#include "scene/PlainPictures.h"
#include "settings/CAquariumSettingsDlg.h"

namespace {

// The preview statics of looks 0 ... 3 and their pictures.
struct LookPreview {
    int id;
    const char* picture;
};
constexpr LookPreview kLookPreviews[] = {
    {1033, "bitmap159"}, {1038, "bitmap238"}, {1034, "bitmap156"}, {1039, "bitmap244"}};

// Buttons of the layout that nobody can reach and that do nothing.
struct HiddenButton {
    int id;
    const char* text;
};
constexpr HiddenButton kHiddenButtons[] = {{1035, "<<"},   {1036, ">>"},   {1, "OK"},
                                           {2, "Cancel"},  {1032, "W"},    {1031, "R"},
                                           {1014, "Play"}, {1004, "about"}};

}  // namespace

template <class Widget>
Widget* CAquariumSettingsDlg::Add(int id, Widget* control, const DialogLayout& layout, int x, int y,
                                  int w, int h) {
    m_controls[id] = layout.Place(control, x, y, w, h);
    return control;
}

void CAquariumSettingsDlg::CreateControls(const DialogLayout& layout) {
    // Group frames first, so the controls inside lie above them.
    layout.Place(new QGroupBox(QStringLiteral("Color of light")), 128, 7, 109, 84);
    layout.Place(new QGroupBox(QStringLiteral("views of the tank")), 7, 142, 230, 94);

    // The four vertical sliders: the minimum at the top, so Up and the wheel move the thumb up.
    const char* labels[][2] = {
        {"Waves ", "Sound"}, {"Bubble ", "Count"}, {"", "Fog"}, {"", "Light"}};
    for (int i = 0; i < 4; ++i) {
        const int x = 10 + i * 29;
        for (int line = 0; line < 2; ++line) {
            auto* label = layout.Place(new QLabel(QString::fromLatin1(labels[i][line])), x - 4,
                                       8 + line * 9, 30, 9);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        auto* slider =
            Add(kVerticalSliders[i], new CColourSlider(Qt::Vertical), layout, x, 28, 22, 104);
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
    }

    Add(1013, new CLedCheckBox(QStringLiteral("Fix Color")), layout, 135, 20, 60, 14);
    Add(1015, new CColourSwatch, layout, 199, 20, 30, 14)->setAutoDefault(false);
    Add(1022, new CLedCheckBox(QStringLiteral("Auto Gradually Color")), layout, 135, 38, 96, 14);
    Add(1028, new CLedCheckBox(QStringLiteral("Lock the foreground colors")), layout, 135, 57, 96,
        26);
    for (const LookPreview& look : kLookPreviews) {
        auto* preview = Add(look.id, new QLabel, layout, 177, 112, 13, 8);
        preview->hide();  // until the look is known
        const QPixmap picture = QPixmap::fromImage(PlainPicture(look.picture));
        if (!picture.isNull()) {
            preview->setPixmap(picture);
            preview->resize(picture.size());  // a picture static takes its picture's size
        }
    }

    Add(1040, new QCheckBox(QStringLiteral("Auto change views of the tank")), layout, 15, 155, 150,
        12);
    const char* ends[][2] = {{"Left", "Right"}, {"Far", "Near"}};
    for (int i = 0; i < 2; ++i) {
        const int y = 174 + i * 26;
        layout.Place(new QLabel(QString::fromLatin1(ends[i][0])), 15, y + 3, 22, 10);
        Add(1041 + i, new QSlider(Qt::Horizontal), layout, 38, y, 170, 16);
        layout.Place(new QLabel(QString::fromLatin1(ends[i][1])), 212, y + 3, 22, 10);
    }

    // Hidden controls: they still load and save their keys, but nobody can reach them.
    const std::pair<int, const char*> hiddenBoxes[] = {{1021, "Gradually Colorqj"},
                                                       {1023, "Fix Color"},
                                                       {1024, "Gradually Color"},
                                                       {1025, "Auto Gradually Color"},
                                                       {1029, "Lock the background colors"},
                                                       {1026, "Show Water"},
                                                       {1012, "Show Lights"},
                                                       {1027, "Show Terra"}};
    for (const auto& [id, text] : hiddenBoxes)
        Add(id, new CLedCheckBox(QString::fromLatin1(text)), layout, 135, 38, 96, 14)->hide();
    for (int id : {1017, 1018, 1016, 1019, 1020})
        Add(id, new CColourSwatch, layout, 199, 38, 30, 14)->hide();
    for (const HiddenButton& button : kHiddenButtons)
        Add(button.id, new QPushButton(QString::fromLatin1(button.text)), layout, 60, 222, 40, 14)
            ->hide();
}

void CAquariumSettingsDlg::UpdateLookPreview() {
    if (m_nBackgroundStyle < 0 || m_nBackgroundStyle > 3)
        return;
    for (int look = 0; look < 4; ++look)
        Control(kLookPreviews[look].id)->setVisible(look == m_nBackgroundStyle);
}
