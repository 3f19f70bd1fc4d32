#pragma once
// What the windows share for the life of the process: the dictionary, the two fixed texts
// of every message, and the synonym field of the last search. The application owns one
// Module and hands it to each window; nothing here is global.

#include "core/store.h"

#include <QString>

namespace velkaron {

struct Module
{
    DictionaryStore store;
    const QString LineBreak = QStringLiteral("\r\n");
    const QString ProductTitle = QStringLiteral("Velkaron");
    // The synonym field of the entry found by the last search, or empty.
    QString CurrentSynonymField;
};

} // namespace velkaron
