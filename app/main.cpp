#include "app/AquariumApp.h"

int main(int argc, char** argv) {
    CAquariumApp app;
    return app.Run(argc, argv);
}
