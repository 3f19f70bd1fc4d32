#include "real_dictionary.h"

#include "platform/embedded_dictionary.h"

namespace velkaron::testing {

Module &realModule()
{
    return embeddedDictionary();
}

int findHeadword(const LetterTable &table, QStringView headword, int from)
{
    for (int i = from; i <= table.lineCount(); ++i) {
        if (table.Headword(i) == headword)
            return i;
    }
    return 0;
}

} // namespace velkaron::testing
