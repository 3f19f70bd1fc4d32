#pragma once
// The Search command, one routine behind the Search button, the Enter key and the
// half-second timer after a pick in a list. In order: caret to the start, search disabled,
// focus to the entry box, labels and the current synonym field blanked, the entry text
// recorded in the 12-word history, the entry found from the mirror text, its synonyms
// ordered into the result list, then the result message and the category line.
//
// Each operation runs under the internal-error report "017": a failing operation is
// reported and skipped, and the routine goes on with the next one.

#include "core/definition_order.h"
#include "core/module.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace velkaron {

class SearchView
{
public:
    virtual ~SearchView() = default;

    virtual QString entryText() const = 0;
    virtual QString mirrorText() const = 0;

    virtual void moveCaretToStart() = 0;
    virtual void setSearchEnabled(bool enabled) = 0;
    virtual void focusEntry() = 0;

    virtual void setWordCountMessage(const QString &message) = 0; // Lbl3
    virtual void setResultMessage(const QString &message) = 0;    // Lbl4
    virtual void setCategoryLine(const QString &line) = 0;        // Lbl2

    // The entry box's drop-down list, newest first.
    virtual QStringList history() const = 0;
    virtual void insertHistory(int position, const QString &text) = 0;
    virtual void removeHistory(int position) = 0;

    virtual void clearResults() = 0;
    // Appends the lines in one go.
    virtual void appendResults(const QStringList &lines) = 0;
    virtual QStringList results() const = 0;

    virtual void reportInternalError(const QString &text) = 0;
};

// "Aucun synonyme pour ''T''.", "Un synonyme pour ''T''.", "N synonymes pour ''T''."
QString resultMessage(const QStringList &results, const QString &entryText);

// QString::toUpper, with a shortcut for the small letters of Latin-1 whose capital is in
// Latin-1 too: the category line upper-cases the word of every search.
QString upperCased(const QString &text);

class SearchCommand final
{
public:
    static constexpr int HistoryCapacity = 12;

    using Ordering = std::function<QStringList(QStringView field)>;

    SearchCommand(Module &module, SearchView &view);

    void run();

    // Replaces the ordering step (tests inject failures through it).
    void setOrdering(Ordering ordering) { ordering_ = std::move(ordering); }

    const DefinitionOrdering &ordering() const { return definitions_; }

private:
    void recordInHistory(const QString &entryText);

    Module &module_;
    SearchView &view_;
    DefinitionOrdering definitions_;
    Ordering ordering_;
};

} // namespace velkaron
