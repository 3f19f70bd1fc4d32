#pragma once
// FrmSyno, the main window: the entry box Cbo2 with its history, the prefix word list
// Lst with its count Lbl3, the Search, help and Quit buttons, the result message Lbl4,
// the category line Lbl2 and the result list LstS.
//
// Typing chain: every change of the entry text sets the mirror text (the entry folded, then
// lower-cased), which rebuilds Lst synchronously, and enables the search from two
// characters on. A pick in Lst or LstS copies the word into the entry box and arms TimLst,
// whose tick searches half a second later. The search itself and the list rebuild are core
// routines (SearchCommand, PrefixList) that drive this window through their view interfaces.

#include "core/module.h"
#include "core/prefix_list.h"
#include "core/search.h"
#include "ui/services.h"

#include <QWidget>

#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace velkaron {

class ChameleonButton;
class CopyMenu;

class FrmSyno final : public QWidget, private SearchView, private PrefixListView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmSyno)

public:
    FrmSyno(Module &module, Services services, QWidget *parent = nullptr);
    ~FrmSyno() override;

    // The mirror text: what the dictionary is searched with.
    QString mirrorText() const override { return mirror_; }

    // Searches `word` as if the user had typed it and pressed Enter. Before the start-up
    // text has been written (TimDeb), the window opens with `word` searched instead of "à "
    // selected.
    void lookUp(const QString &word);

    // The core routines behind the window (tests inject failures through them).
    PrefixList &prefixList() { return prefixList_; }
    SearchCommand &searchCommand() { return search_; }

signals:
    // The window has been placed and is about to be shown for the first time.
    void loaded();
    // Quit or close: the promotion window should take over. Emitted once.
    void promotionWindowRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void describeForScreenReaders();
    void placeOnScreen();
    void setMirrorText(const QString &mirror);

    // Handlers, named for their event.
    void onTimDebTick();
    void onCbo2Change(const QString &text);
    void onCbo2Choice(int index);
    void onListPick(QListWidget *list, QListWidgetItem *item);
    void onTimLstTick();
    void onSearch();
    void onCmdInfoClick();
    void requestPromotionWindow();

    // SearchView
    QString entryText() const override;
    void moveCaretToStart() override;
    void setSearchEnabled(bool enabled) override;
    void focusEntry() override;
    void setWordCountMessage(const QString &message) override;
    void setResultMessage(const QString &message) override;
    void setCategoryLine(const QString &line) override;
    QStringList history() const override;
    void insertHistory(int position, const QString &text) override;
    void removeHistory(int position) override;
    void clearResults() override;
    void appendResults(const QStringList &lines) override;
    QStringList results() const override;
    void reportInternalError(const QString &text) override;
    // PrefixListView
    void setBusyPointer(bool busy) override;
    void clearWords() override;
    void appendWords(const QStringList &words) override;

    Module &module_;
    Services services_;
    PrefixList prefixList_{module_, *this};
    SearchCommand search_{module_, *this};
    QString mirror_; // TxtMiroir
    std::optional<QString> startWord_; // searched by TimDeb instead of the start-up text

    QComboBox *Cbo2 = nullptr;
    ChameleonButton *CmdRechercher = nullptr;
    QListWidget *Lst = nullptr;
    QListWidget *LstS = nullptr;
    ChameleonButton *CmdInfo = nullptr;
    ChameleonButton *CmdQ = nullptr;
    QPushButton *Foc = nullptr;
    QLabel *Lbl3 = nullptr;
    QLabel *Lbl4 = nullptr;
    QLabel *Lbl2 = nullptr;
    QTimer *TimDeb = nullptr;
    QTimer *TimLst = nullptr;
    CopyMenu *copyMenu_ = nullptr; // MnuCopier

    bool loaded_ = false;
    bool promotionRequested_ = false;
    bool searching_ = false;
    int fillingLists_ = 0; // > 0 while the program changes a list's items
};

} // namespace velkaron
