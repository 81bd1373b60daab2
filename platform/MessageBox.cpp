#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

const char* const kAppName = "MerowFishScr";

namespace {
std::vector<ShownMessage>* g_capture = nullptr;
bool g_turnedOff = false;
}  // namespace

void TurnOffMessageBoxes() {
    g_turnedOff = true;
}

bool CanShowMessageBoxes() {
    // Headless runs (tests, benchmarks under Xvfb) ask for no blocking boxes.
    if (g_turnedOff || std::getenv("MEROW_NO_MESSAGEBOX"))
        return false;
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

void CaptureMessageBoxes(std::vector<ShownMessage>* sink) {
    g_capture = sink;
}

void ShowMessageBox(const std::string& text, const std::string& caption) {
    const std::string title = caption.empty() ? kAppName : caption;
    if (g_capture) {
        g_capture->push_back({text, title});
        return;
    }
    if (!CanShowMessageBoxes()) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}
