#pragma once
// The prefix word list: every headword whose lower-cased key begins with the mirror
// text, in table order, with a count message. Rebuilt from scratch on every change of the
// mirror text; one or no character lists nothing. Only the table that the first character
// selects is read, and in it only the cells whose key begins with the same two characters
// (LetterTable::candidates), every one of them.
//
// PrefixList::rebuild drives a PrefixListView (the main window, or a plain text view),
// with the busy pointer over the pass and the internal-error report "022" around each
// operation.

#include "core/module.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace velkaron {

// "Aucun mot dans la liste.", "Un mot listé.", "N mots listés."
QString wordCountMessage(qint64 count);

// The headwords, as stored, of every entry whose lower-cased key begins with `mirror`.
// They share the store's text (QString::fromRawData): the store must outlive them, as
// the program's store outlives its windows.
QStringList prefixMatches(const DictionaryStore &store, QStringView mirror);

class PrefixListView
{
public:
    virtual ~PrefixListView() = default;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void clearWords() = 0;
    // Appends the items in one go.
    virtual void appendWords(const QStringList &words) = 0;
    virtual void setWordCountMessage(const QString &message) = 0;
    virtual void reportInternalError(const QString &text) = 0;
};

class PrefixList final
{
public:
    using Scan = std::function<QStringList(const DictionaryStore &, QStringView)>;

    PrefixList(const Module &module, PrefixListView &view) : module_(module), view_(view) {}

    // Rebuilds the list for a new mirror text.
    void rebuild(QStringView mirror);

    // Replaces the scan (tests inject failures through it).
    void setScan(Scan scan) { scan_ = std::move(scan); }

private:
    const Module &module_;
    PrefixListView &view_;
    Scan scan_ = prefixMatches;
};

} // namespace velkaron
