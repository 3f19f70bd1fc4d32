// The program's own start-up, run by startup_harness: the very runProgram() of velkaron's
// main(), watched from outside the windows until the main window is shown with the 54
// headwords of its start-up text listed.

#include "probe_ready.h"
#include "ui/program.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QWidget>

int main(int argc, char *argv[])
{
    const long long mainStarted = velkaron::bench::monotonicNanoseconds();
    QApplication app(argc, argv);
    velkaron::bench::reportWhenReady(mainStarted, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("FrmSyno") || !window->isVisible())
                continue;
            const auto *Lst = window->findChild<QListWidget *>(QStringLiteral("Lst"));
            const auto *Lbl3 = window->findChild<QLabel *>(QStringLiteral("Lbl3"));
            return Lst && Lbl3 && Lst->count() == 54 && Lbl3->text() == QStringLiteral("54 mots listés.");
        }
        return false;
    });
    return velkaron::runProgram(app);
}
