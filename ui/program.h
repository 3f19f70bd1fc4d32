#pragma once
// The program from its first window to its end: the shared module, the platform services
// and the window flow, run on the application's event loop. main() is nothing but the
// reading of its arguments and this, and the start-up benchmark calls it too, so that it
// times the path a user starts.
//
// A start first reads the selection when asked to (--selection), then claims the channel of
// its display session (platform/single_instance.h): when a window of Velkaron is already
// open there, the start hands it its word and ends with status 0, without a window.

#include "core/start_arguments.h"

class QApplication;

namespace velkaron {

// Runs the loading window, the main window and what follows until the flow finishes;
// returns the program's exit status.
int runProgram(QApplication &app, const StartArguments &arguments = {});

} // namespace velkaron
