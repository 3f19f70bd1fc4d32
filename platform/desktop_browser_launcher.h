#pragma once
// The browser launch on a freedesktop.org desktop. Each open writes a probe file of type
// ".HTM" in the temporary folder, asks the desktop which application opens that type
// (desktop_default_application.h) and starts it, detached, with the address as its one
// argument; no shell ever sees the address. Failures are told in English exclamation
// boxes owned by the caller's window:
//
//   no application for the type, or no probe  "Could not your Browser"  "Browser Not Found"
//   the application does not start            "Web Page not Opened"     "URL Failed"
//
// The probe has a unique name ("Navprober-XXXXXX.HTM") so that two programs, or a file
// planted under a fixed name in a shared /tmp, never meet it; it is deleted when the open
// ends, after any message, whatever happened. When it cannot be written (temporary folder
// missing or read-only), nothing is started and the user sees "Could not your Browser":
// the lookup has nothing to look up, as it would have had without its file.
//
// Success shows nothing, and the call never waits for the browser.

#include "platform/browser_launcher.h"

namespace velkaron {

class MessageBoxes;

class DesktopBrowserLauncher final : public BrowserLauncher
{
public:
    explicit DesktopBrowserLauncher(MessageBoxes &messages);

    void open(const QString &address, QWidget *owner) override;

private:
    MessageBoxes &messages_;
};

} // namespace velkaron
