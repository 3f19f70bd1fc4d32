#pragma once
// The program from its first window to its end: the shared module, the platform services
// and the window flow, run on the application's event loop. main() is nothing but this,
// and the start-up benchmark calls it too, so that it times the path a user starts.

class QApplication;

namespace velkaron {

// Runs the loading window, the main window and what follows until the flow finishes;
// returns the program's exit status.
int runProgram(QApplication &app);

} // namespace velkaron
