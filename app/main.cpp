// Velkaron, a dictionary of French synonyms. The program reads nothing but the texts
// compiled into it and keeps no state between runs.

#include "core/module.h"
#include "platform/desktop_browser_launcher.h"
#include "platform/embedded_resources.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_cursor.h"
#include "platform/qt_message_boxes.h"
#include "ui/window_flow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program ends where its windows say so, not when the last visible one closes:
    // between the main window and the promotion window none is visible for a moment.
    QApplication::setQuitOnLastWindowClosed(false);

    velkaron::Module module;
    velkaron::EmbeddedResources resources;
    velkaron::QtMessageBoxes messages;
    velkaron::QtCursor cursor;
    velkaron::QtClipboard clipboard;
    velkaron::DesktopBrowserLauncher browser(messages);
    velkaron::WindowFlow flow(module, {resources, messages, cursor, clipboard, browser});
    QObject::connect(&flow, &velkaron::WindowFlow::finished, &app, &QApplication::exit);
    flow.start();
    return app.exec();
}
