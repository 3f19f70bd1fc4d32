// The floor of the start-up measurement: Qt's initialisation and one empty window shown,
// timed by startup_harness exactly like the program's start-up.

#include "probe_ready.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    const long long mainStarted = velkaron::bench::monotonicNanoseconds();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(318, 158);
    velkaron::bench::reportWhenReady(mainStarted, [&window] { return window.isVisible(); });
    window.show();
    return app.exec();
}
