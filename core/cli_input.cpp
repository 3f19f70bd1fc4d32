#include "core/cli_input.h"

#include <QByteArray>

#include <cstring>

namespace velkaron {

bool forEachInputLine(const ReadBytes &read, const std::function<void(QByteArrayView bytes, int number)> &line)
{
    constexpr qsizetype Block = 1 << 16;
    QByteArray buffer(Block, Qt::Uninitialized);
    qsizetype filled = 0; // bytes of buffer holding input not yet handed out
    int number = 0;
    auto handOut = [&](const char *start, qsizetype length) {
        QByteArrayView bytes(start, length);
        if (++number == 1 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        line(bytes, number);
    };
    for (;;) {
        if (buffer.size() - filled < Block / 2)
            buffer.resize(buffer.size() * 2); // one line longer than the buffer
        const qsizetype got = read(buffer.data() + filled, buffer.size() - filled);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        const char *start = buffer.constData();
        const char *end = start + filled + got;
        const char *scan = start + filled;
        while (const void *found = std::memchr(scan, '\n', std::size_t(end - scan))) {
            const char *lf = static_cast<const char *>(found);
            handOut(start, lf - start);
            start = lf + 1;
            scan = start;
        }
        filled = end - start;
        if (start != buffer.constData() && filled > 0)
            std::memmove(buffer.data(), start, std::size_t(filled));
    }
    if (filled > 0)
        handOut(buffer.constData(), filled);
    return true;
}

} // namespace velkaron
