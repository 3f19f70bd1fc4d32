#pragma once
// The life of the program's windows: the loading window first; once the dictionary is
// in, the main window, whose load closes the loading window; when the main window is
// quit or closed, the promotion window, whose load closes the main window and whose end
// ends the program. The flow owns the windows and reports, through finished(), the exit
// status the program ends with.
//
// A start may come with a word (from the command line or a selection), and later starts
// hand theirs over (handOff): the word goes through findAsWritten (its spelling in the
// dictionary, or its lemma) and the main window searches it. A word handed over while the
// dictionary is still loading waits for the main window; once the promotion window has
// taken over, hand-overs are refused and the later start opens a window of its own.

#include "core/lemma_source.h"
#include "core/module.h"
#include "core/text_word.h"
#include "ui/services.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace velkaron {

class FrmCharge;
class FrmPub;
class FrmSyno;

class WindowFlow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowFlow)

public:
    // `lemmas` may be null: words are then searched in their dictionary spellings only.
    WindowFlow(Module &module, Services services, LemmaSource *lemmas = nullptr, QObject *parent = nullptr);
    ~WindowFlow() override;

    // Shows the loading window; the main window will open searching `word`, if any.
    void start(const std::optional<TextWord> &word = std::nullopt);

    // A later start's request: the main window comes to the front and searches the word.
    // False once the promotion window has taken over.
    bool handOff(const HandOff &request);

    FrmCharge *loadingWindow() const;
    FrmSyno *mainWindow() const;
    FrmPub *promotionWindow() const;

signals:
    void finished(int exitStatus);
    // The main window has been quit: no more hand-overs.
    void mainWindowDone();

private:
    void onDictionaryLoaded();
    void onMainWindowLoaded();
    void onPromotionWindowRequested();

    QString spellingOf(const TextWord &word) const;
    void bringMainWindowToFront();

    Module &module_;
    Services services_;
    LemmaSource *lemmas_ = nullptr;
    std::optional<TextWord> startWord_; // searched when the main window opens
    QPointer<FrmCharge> loading_;
    QPointer<FrmSyno> main_;
    QPointer<FrmPub> promotion_;
};

} // namespace velkaron
