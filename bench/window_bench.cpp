// Item 2 in the window: the main window on the real dictionary, offscreen; from the change
// of the entry text to "co" until Lst and Lbl3 hold the new list. Each iteration starts
// from the one-letter entry "c" (empty list), as when the second letter is typed.
// BM_WindowPrefixPainted also lets the event loop lay out and paint the list.

#include "bench_dictionary.h"
#include "platform/desktop_browser_launcher.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_cursor.h"
#include "platform/qt_message_boxes.h"
#include "ui/main_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>

namespace velkaron {
namespace {

struct Window
{
    EmbeddedResources resources;
    QtMessageBoxes messages;
    QtCursor cursor;
    QtClipboard clipboard;
    DesktopBrowserLauncher browser{messages};
    FrmSyno window{bench::dictionary(), {resources, messages, cursor, clipboard, browser}};
    QComboBox *Cbo2 = window.findChild<QComboBox *>(QStringLiteral("Cbo2"));
    QListWidget *Lst = window.findChild<QListWidget *>(QStringLiteral("Lst"));
    QLabel *Lbl3 = window.findChild<QLabel *>(QStringLiteral("Lbl3"));

    Window()
    {
        window.show();
        // Let the start-up text come and go before measuring.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 250)
            QApplication::processEvents();
    }
};

void typeSecondLetter(benchmark::State &state, bool paint)
{
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.Cbo2->setEditText(QStringLiteral("c"));
        QApplication::processEvents();
        state.ResumeTiming();
        w.Cbo2->setEditText(QStringLiteral("co"));
        if (paint)
            QApplication::processEvents();
    }
    if (w.Lst->count() != 1804 || w.Lbl3->text() != QStringLiteral("1804 mots listés."))
        state.SkipWithError("the list does not hold the 1804 words of \"co\"");
    state.counters["items"] = double(w.Lst->count());
}

void BM_WindowPrefix(benchmark::State &state) { typeSecondLetter(state, false); }
BENCHMARK(BM_WindowPrefix)->Unit(benchmark::kMillisecond);

void BM_WindowPrefixPainted(benchmark::State &state) { typeSecondLetter(state, true); }
BENCHMARK(BM_WindowPrefixPainted)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velkaron
