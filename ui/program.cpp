#include "ui/program.h"

#include "core/module.h"
#include "core/selected_text.h"
#include "platform/desktop_browser_launcher.h"
#include "platform/embedded_resources.h"
#include "platform/hunspell_lemmas.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_cursor.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_selection_reader.h"
#include "platform/single_instance.h"
#include "ui/window_flow.h"

#include <QApplication>

namespace velkaron {
std::optional<TextWord> startWord(const StartArguments &arguments, SelectionReader &selection)
{
    if (arguments.word)
        return TextWord{*arguments.word, {}};
    if (arguments.selection) {
        if (const std::optional<QString> selected = selection.selectedText())
            return wordInSelection(*selected);
    }
    return std::nullopt;
}

int runProgram(QApplication &app, const StartArguments &arguments)
{
    // The program ends where its windows say so, not when the last visible one closes:
    // between the main window and the promotion window none is visible for a moment.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSelectionReader selection;
    const std::optional<TextWord> word = startWord(arguments, selection);
    SingleInstance instance;
    if (instance.claim(encodeHandOff({word})) == SingleInstance::Claim::HandedOver)
        return 0;

    Module module;
    EmbeddedResources resources;
    QtMessageBoxes messages;
    QtCursor cursor;
    QtClipboard clipboard;
    DesktopBrowserLauncher browser(messages);
    HunspellLemmas lemmas; // read from disk only for a word without entry
    WindowFlow flow(module, {resources, messages, cursor, clipboard, browser}, &lemmas);
    instance.setHandler([&flow](const QByteArray &request) {
        const std::optional<HandOff> handOff = decodeHandOff(request);
        return handOff && flow.handOff(*handOff);
    });
    QObject::connect(&flow, &WindowFlow::mainWindowDone, &instance, &SingleInstance::release);
    QObject::connect(&flow, &WindowFlow::finished, &app, &QApplication::exit);
    flow.start(word);
    return app.exec();
}

} // namespace velkaron
