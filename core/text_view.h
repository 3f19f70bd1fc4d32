#pragma once
// A main window without a window: keeps as plain texts what the window's controls would
// show. The command-line companion answers through it, and the core tests read it.

#include "core/lookup.h"
#include "core/prefix_list.h"
#include "core/search.h"

namespace velkaron {

class TextView final : public SearchView, public PrefixListView
{
public:
    // What typing `text` into the entry box sets: the entry text and its mirror text
    // (without the rebuild of the word list, which the caller runs when it wants it).
    // Room for the history to take a word at its top and drop one at its end without
    // reallocating at every search of a batch.
    TextView() { historyItems.reserve(4 * SearchCommand::HistoryCapacity); }

    void setEntry(const QString &text)
    {
        entry = text;
        mirror = mirrorTextFor(text);
    }

    QString entryText() const override { return entry; }
    QString mirrorText() const override { return mirror; }
    void moveCaretToStart() override {}
    void setSearchEnabled(bool enabled) override { searchEnabled = enabled; }
    void focusEntry() override {}
    void setWordCountMessage(const QString &message) override { wordCountMessage = message; }
    void setResultMessage(const QString &message) override { resultMessage = message; }
    void setCategoryLine(const QString &line) override { categoryLine = line; }
    QStringList history() const override { return historyItems; }
    void insertHistory(int position, const QString &text) override { historyItems.insert(position, text); }
    void removeHistory(int position) override { historyItems.removeAt(position); }
    void clearResults() override { resultLines.clear(); }
    void appendResults(const QStringList &lines) override { resultLines += lines; }
    QStringList results() const override { return resultLines; }
    void reportInternalError(const QString &text) override { internalErrors.append(text); }

    void setBusyPointer(bool busy) override { busyPointer = busy; }
    void clearWords() override { words.clear(); }
    void appendWords(const QStringList &items) override { words += items; }

    QString entry;
    QString mirror;
    bool searchEnabled = true;
    bool busyPointer = false;
    QString wordCountMessage;
    QString resultMessage;
    QString categoryLine;
    QStringList historyItems;
    QStringList words;
    QStringList resultLines;
    QStringList internalErrors;
};

} // namespace velkaron
