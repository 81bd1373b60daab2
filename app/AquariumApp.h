#pragma once

// The application object: single-instance check, the main frame, the event loop.
class CAquariumApp {
public:
    // Runs the whole program and returns its exit status.
    int Run(int argc, char** argv);
};
