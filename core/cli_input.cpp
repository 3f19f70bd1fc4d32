#include "core/cli_input.h"

#include <string>

namespace velkaron {

bool forEachInputLine(std::istream &in, const std::function<void(QByteArrayView bytes, int number)> &line)
{
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        QByteArrayView bytes(text.data(), qsizetype(text.size()));
        if (number == 1 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        line(bytes, number);
    }
    return !in.bad();
}

} // namespace velkaron
