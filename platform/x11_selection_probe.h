#pragma once
// Whether the owner of an X11 selection answers, asked over an X connection of our own (so
// that no event of Qt's connection is taken from it): a request for the selection's TARGETS,
// and a wait for the reply of at most `wait`. Built without XCB, every answer is Unknown.

#include <chrono>

namespace velkaron {

enum class SelectionOwner { None, Answers, Silent, Unknown };

// `selection`: "PRIMARY" or "CLIPBOARD".
SelectionOwner probeX11SelectionOwner(const char *selection, std::chrono::milliseconds wait);

} // namespace velkaron
