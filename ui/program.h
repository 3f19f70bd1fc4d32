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
#include "core/text_word.h"
#include "platform/selection_reader.h"

#include <optional>

class QApplication;

namespace velkaron {

// The word a start brings: its argument as typed, or the cleaned selection for --selection
// (nothing when the selection is empty or unusable: the window opens as without a word).
std::optional<TextWord> startWord(const StartArguments &arguments, SelectionReader &selection);

// Runs the loading window, the main window and what follows until the flow finishes;
// returns the program's exit status.
int runProgram(QApplication &app, const StartArguments &arguments = {});

} // namespace velkaron
