#pragma once
// Records the addresses it is asked to open instead of starting a browser. A launch can
// also be made to keep the event loop running for a while, as a failure message that the
// user leaves open does.

#include "platform/browser_launcher.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <chrono>

namespace velkaron::testing {

class FakeBrowserLauncher final : public BrowserLauncher
{
public:
    void open(const QString &address, QWidget *) override
    {
        opened.append(address);
        openedAfterMs.append(clock.isValid() ? clock.elapsed() : -1);
        if (busyFor.count() > 0) {
            QEventLoop loop;
            QTimer::singleShot(busyFor, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    QStringList opened;
    QList<qint64> openedAfterMs; // per launch, the time since `clock` was started
    QElapsedTimer clock;
    std::chrono::milliseconds busyFor{0};
};

} // namespace velkaron::testing
