#pragma once
// The platform services that the windows use, handed to each window by the application
// (real ones in the program, fakes in the tests).

#include "core/resource_source.h"
#include "platform/browser_launcher.h"
#include "platform/clipboard.h"
#include "platform/cursor.h"
#include "platform/message_boxes.h"

namespace velkaron {

struct Services
{
    const ResourceSource &resources;
    MessageBoxes &messages;
    Cursor &cursor;
    Clipboard &clipboard;
    BrowserLauncher &browser;
};

} // namespace velkaron
