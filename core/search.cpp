#include "core/search.h"

#include "core/category_labels.h"
#include "core/internal_error.h"
#include "core/lookup.h"

#include <iterator>

namespace velkaron {

namespace {

QString &appendNumber(QString &text, qsizetype number)
{
    char16_t digits[24];
    qsizetype first = std::size(digits);
    do {
        digits[--first] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    return text.append(QStringView(digits + first, std::size(digits) - first));
}

} // namespace

QString upperCased(const QString &text)
{
    QString upper(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(upper.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z')
            out[i] = char16_t(c - 0x20);
        else if (c < 0x80 || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            out[i] = c;
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
            out[i] = char16_t(c - 0x20);
        else
            return text.toUpper(); // ß, ÿ, µ, œ and the rest of Unicode
    }
    return upper;
}

QString resultMessage(const QStringList &results, const QString &entryText)
{
    // One allocation: this runs for every word of a batch.
    QString message;
    message.reserve(entryText.size() + 32);
    if (results.isEmpty() || results.front().isEmpty())
        message.append(u"Aucun synonyme pour ");
    else if (results.size() == 1)
        message.append(u"Un synonyme pour ");
    else
        appendNumber(message, results.size()).append(u" synonymes pour ");
    return message.append(u"''").append(entryText).append(u"''.");
}

SearchCommand::SearchCommand(Module &module, SearchView &view)
    : module_(module), view_(view), ordering_([this](QStringView field) { return definitions_.TrierDefinitions(field); })
{
}

void SearchCommand::run()
{
    InternalErrorTrap trap(QStringLiteral("017"), module_.LineBreak,
                           [this](const QString &text) { view_.reportInternalError(text); });
    trap.run([&] { view_.moveCaretToStart(); });
    trap.run([&] { view_.setSearchEnabled(false); });
    trap.run([&] { view_.focusEntry(); });
    trap.run([&] {
        view_.setCategoryLine(QString());
        view_.setWordCountMessage(QString());
        view_.setResultMessage(QString());
        module_.CurrentSynonymField.clear();
    });

    QString entry;
    trap.run([&] { entry = view_.entryText(); });
    trap.run([&] { recordInHistory(entry); });

    std::optional<EntryRef> found;
    trap.run([&] { found = findEntry(module_.store, view_.mirrorText()); });

    QString category;
    trap.run([&] {
        if (!found)
            return;
        const EntryFields fields = cutFields(module_.store.LetterTableOf(found->letter).Lines(found->cell));
        category = fields.category.toString();
        module_.CurrentSynonymField = fields.synonyms.toString();
    });

    trap.run([&] {
        view_.clearResults();
        if (!module_.CurrentSynonymField.isEmpty())
            view_.appendResults(ordering_(module_.CurrentSynonymField));
    });

    trap.run([&] { view_.setResultMessage(resultMessage(view_.results(), entry)); });
    trap.run([&] {
        if (const auto label = categoryLabel(category))
            view_.setCategoryLine(upperCased(entry) + label->toString());
    });
}

void SearchCommand::recordInHistory(const QString &entryText)
{
    if (view_.history().contains(entryText))
        return;
    view_.insertHistory(0, entryText);
    const int count = int(view_.history().size());
    if (count > HistoryCapacity)
        view_.removeHistory(count - 1);
}

} // namespace velkaron
