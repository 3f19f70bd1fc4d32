#pragma once
// What the start-up probes print when their window is ready, for startup_harness:
// "main <ns> ready <ns> rss_kb <kB>", the CLOCK_MONOTONIC times of main() and of readiness
// and the resident size at that moment; then the process ends on the spot.

#include <QAbstractEventDispatcher>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace velkaron::bench {

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Checks `ready` each time the event loop has nothing left to do and is about to wait.
inline void reportWhenReady(long long mainStarted, std::function<bool()> ready)
{
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [mainStarted, ready] {
                         if (!ready())
                             return;
                         const long long at = monotonicNanoseconds();
                         std::printf("main %lld ready %lld rss_kb %ld\n", mainStarted, at, residentKilobytes());
                         std::fflush(stdout);
                         std::_Exit(0);
                     });
}

} // namespace velkaron::bench
