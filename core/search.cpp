#include "core/search.h"

#include "core/category_labels.h"
#include "core/internal_error.h"
#include "core/lookup.h"

namespace velkaron {

QString resultMessage(const QStringList &results, const QString &entryText)
{
    const QString quoted = QStringLiteral("''") + entryText + QStringLiteral("''.");
    if (results.isEmpty() || results.front().isEmpty())
        return QStringLiteral("Aucun synonyme pour ") + quoted;
    if (results.size() == 1)
        return QStringLiteral("Un synonyme pour ") + quoted;
    return QString::number(results.size()) + QStringLiteral(" synonymes pour ") + quoted;
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
            view_.setCategoryLine(entry.toUpper() + label->toString());
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
