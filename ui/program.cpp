#include "ui/program.h"

#include "core/module.h"
#include "platform/desktop_browser_launcher.h"
#include "platform/embedded_resources.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_cursor.h"
#include "platform/qt_message_boxes.h"
#include "ui/window_flow.h"

#include <QApplication>

namespace velkaron {

int runProgram(QApplication &app)
{
    // The program ends where its windows say so, not when the last visible one closes:
    // between the main window and the promotion window none is visible for a moment.
    QApplication::setQuitOnLastWindowClosed(false);

    Module module;
    EmbeddedResources resources;
    QtMessageBoxes messages;
    QtCursor cursor;
    QtClipboard clipboard;
    DesktopBrowserLauncher browser(messages);
    WindowFlow flow(module, {resources, messages, cursor, clipboard, browser});
    QObject::connect(&flow, &WindowFlow::finished, &app, &QApplication::exit);
    flow.start();
    return app.exec();
}

} // namespace velkaron
