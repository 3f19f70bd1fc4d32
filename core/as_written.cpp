#include "core/as_written.h"

#include "core/lookup.h"

#include <optional>

namespace velkaron {
namespace {

// The spellings of `word` that the data may use, `word` itself first.
QStringList spellings(const QString &word)
{
    QStringList forms{word};
    auto add = [&forms](const QString &form) {
        if (!forms.contains(form))
            forms.append(form);
    };
    QString oe = word;
    oe.replace(u'œ', QStringLiteral("oe")).replace(u'Œ', QStringLiteral("OE"));
    add(oe);
    for (const QString &form : QStringList{word, oe}) {
        add(QString(form).replace(u'’', u'\''));
        add(QString(form).replace(u'\'', u'’'));
    }
    return forms;
}

// `word`, then, when it is typed with "oe" ("soeurs"), with the ligature that the spelling
// dictionary writes ("sœurs"): its lemmas are known only that way.
QStringList ligatureSpellings(const QString &word)
{
    QString ligature = word;
    ligature.replace(QStringLiteral("oe"), QStringLiteral("œ"))
        .replace(QStringLiteral("Oe"), QStringLiteral("Œ"))
        .replace(QStringLiteral("OE"), QStringLiteral("Œ"));
    return ligature == word ? QStringList{word} : QStringList{word, ligature};
}

std::optional<QString> spellingWithEntry(const DictionaryStore &store, const QString &word)
{
    for (const QString &form : spellings(word)) {
        if (hasEntry(store, form))
            return form;
    }
    return std::nullopt;
}

} // namespace

bool hasEntry(const DictionaryStore &store, QStringView word)
{
    return findEntry(store, mirrorTextFor(word)).has_value();
}

QString findAsWritten(const DictionaryStore &store, LemmaSource *lemmas, const TextWord &word)
{
    if (!word.withoutElision.isEmpty()) {
        if (auto whole = spellingWithEntry(store, word.whole))
            return *whole;
    }
    const QString &base = word.withoutElision.isEmpty() ? word.whole : word.withoutElision;
    if (auto found = spellingWithEntry(store, base))
        return *found;
    if (lemmas && !base.isEmpty() && base.size() <= LongestLemmatizedWord) {
        for (const QString &asked : ligatureSpellings(base)) {
            for (const QString &lemma : lemmas->lemmas(asked)) {
                if (auto found = spellingWithEntry(store, lemma))
                    return *found;
            }
        }
    }
    return base;
}

} // namespace velkaron
