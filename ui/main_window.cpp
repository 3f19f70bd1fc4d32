#include "ui/main_window.h"

#include "core/copy_text.h"
#include "core/lookup.h"
#include "ui/chameleon_button.h"
#include "ui/copy_menu.h"
#include "ui/pictures.h"
#include "ui/window_style.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include <limits>
#include <utility>

namespace velkaron {

namespace {

// After a refill no item is current or selected. Setting "no current item" explicitly also
// keeps the view from making its first item current when it gets the focus, which would
// count as a pick.
void noCurrentItem(QListWidget *list)
{
    list->setCurrentIndex(QModelIndex());
}

bool isEnterKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FrmSyno::FrmSyno(Module &module, Services services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , module_(module)
    , services_(services)
{
    setObjectName(QStringLiteral("FrmSyno"));
    setWindowTitle(QStringLiteral("Dictionnaire des synonymes"));
    setWindowIcon(windowIcon());
    setFixedSize(524, 352);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();

    TimDeb = new QTimer(this);
    TimDeb->setObjectName(QStringLiteral("TimDeb"));
    TimDeb->setSingleShot(true);
    TimDeb->setInterval(100);
    connect(TimDeb, &QTimer::timeout, this, &FrmSyno::onTimDebTick);

    TimLst = new QTimer(this);
    TimLst->setObjectName(QStringLiteral("TimLst"));
    TimLst->setSingleShot(true);
    TimLst->setInterval(500);
    connect(TimLst, &QTimer::timeout, this, &FrmSyno::onTimLstTick);
}

FrmSyno::~FrmSyno()
{
    // QWidget's destructor still hides the window and deletes the controls once this
    // window's members are gone: the entry box, losing the focus, reports a pick in its
    // history, the lists report their emptied selection. None of it may reach a handler.
    for (QObject *control : findChildren<QObject *>())
        control->disconnect(this);
}

void FrmSyno::createControls()
{
    auto label = [this](const char *name, const QRect &geometry, const QColor &text) {
        auto *lbl = new QLabel(this);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setGeometry(geometry);
        lbl->setFont(verdana());
        setColours(lbl, text, QColor(192, 192, 192));
        return lbl;
    };
    auto list = [this](const char *name, const QRect &geometry) {
        auto *lst = new QListWidget(this);
        lst->setObjectName(QString::fromLatin1(name));
        lst->setGeometry(geometry);
        lst->setFont(courierNew());
        lst->setSelectionMode(QAbstractItemView::SingleSelection);
        lst->setUniformItemSizes(true);
        setColours(lst, Qt::black, Qt::white);
        lst->installEventFilter(this);
        connect(lst, &QListWidget::itemClicked, this, [this, lst](QListWidgetItem *item) { onListPick(lst, item); });
        connect(lst, &QListWidget::currentItemChanged, this, [this, lst](QListWidgetItem *item) { onListPick(lst, item); });
        return lst;
    };
    auto button = [this](const char *name, const QRect &geometry, const QString &caption, const QIcon &picture,
                         const QString &tip) {
        auto *cmd = new ChameleonButton(caption, this);
        cmd->setObjectName(QString::fromLatin1(name));
        cmd->setGeometry(geometry);
        cmd->setIcon(picture);
        cmd->setToolTip(tip);
        cmd->setFont(verdana());
        return cmd;
    };

    Lbl3 = label("Lbl3", twips(60, 60, 3795, 255), QColor(128, 0, 0));
    Lbl4 = label("Lbl4", twips(3960, 60, 3855, 255), QColor(128, 0, 0));
    Lbl2 = label("Lbl2", twips(3960, 1380, 3855, 255), Qt::black);

    Cbo2 = new QComboBox(this);
    Cbo2->setObjectName(QStringLiteral("Cbo2"));
    Cbo2->setGeometry(twips(3960, 300, 3795, 390));
    Cbo2->setEditable(true);
    // The history is ours to keep, and nothing may complete the typing behind the user.
    Cbo2->setInsertPolicy(QComboBox::NoInsert);
    Cbo2->setCompleter(nullptr);
    // A line edit keeps 32,767 characters and silently drops the rest of a longer paste;
    // the entry box has no limit of its own.
    Cbo2->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    Cbo2->setMaxCount(SearchCommand::HistoryCapacity + 1);
    Cbo2->setFont(courierNew());
    setColours(Cbo2->lineEdit(), QColor(0, 0, 255), Qt::white);
    Cbo2->installEventFilter(this);
    Cbo2->lineEdit()->installEventFilter(this);
    connect(Cbo2, &QComboBox::editTextChanged, this, &FrmSyno::onCbo2Change);
    connect(Cbo2, &QComboBox::activated, this, &FrmSyno::onCbo2Choice);

    CmdRechercher = button("CmdRechercher", twips(4980, 840, 1815, 435), QStringLiteral(" Rechercher"),
                           magnifierPicture(), QStringLiteral("Lancer la recherche"));
    connect(CmdRechercher, &ChameleonButton::clicked, this, &FrmSyno::onSearch);

    Lst = list("Lst", twips(60, 300, 3795, 4920));
    LstS = list("LstS", twips(3960, 1620, 3795, 3570));

    CmdInfo = button("CmdInfo", twips(3960, 840, 405, 435), QString(), helpPicture(), QStringLiteral("Aide"));
    connect(CmdInfo, &ChameleonButton::clicked, this, &FrmSyno::onCmdInfoClick);
    CmdQ = button("CmdQ", twips(7260, 840, 405, 435), QString(), quitPicture(), QStringLiteral("Quitter"));
    connect(CmdQ, &ChameleonButton::clicked, this, &FrmSyno::requestPromotionWindow);

    // The default button lies right of the client area: never seen, it stands for the
    // Enter key, enabled exactly when the Search button is.
    Foc = new QPushButton(QStringLiteral("Foc"), this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(twips(8280, 480, 615, 315));
    Foc->setAutoDefault(false);
    connect(Foc, &QPushButton::clicked, this, &FrmSyno::onSearch);

    setTabOrder(Cbo2, CmdRechercher);
    setTabOrder(CmdRechercher, Lst);
    setTabOrder(Lst, LstS);
    setTabOrder(LstS, CmdInfo);
    setTabOrder(CmdInfo, CmdQ);
    setTabOrder(CmdQ, Foc);
    for (QLabel *lbl : {Lbl2, Lbl3, Lbl4})
        lbl->setFocusPolicy(Qt::NoFocus);

    copyMenu_ = new CopyMenu(module_, LstS, Cbo2, services_.clipboard, services_.messages, this);
    describeForScreenReaders();
}

void FrmSyno::describeForScreenReaders()
{
    // What a screen reader announces for each control; the picture-only buttons have no
    // caption to fall back on.
    // clang-format off
    setAccessibleTexts({
        {Cbo2, u"Saisie du mot", u"Tapez un mot ; la liste déroulante garde les douze derniers mots cherchés."},
        {CmdRechercher, u"Rechercher", u"Affiche les synonymes du mot saisi (touche Entrée)."},
        {Lst, u"Liste des mots commençant par la saisie", u"Choisir un mot le recherche une demi-seconde plus tard."},
        {LstS, u"Synonymes trouvés", u"Le menu contextuel copie le mot sélectionné ou toute la liste."},
        {CmdInfo, u"Aide", u"Affiche le mode d'emploi."},
        {CmdQ, u"Quitter", u"Ferme le dictionnaire."},
        {Foc, u"Rechercher avec la touche Entrée", u"Bouton invisible qui représente la touche Entrée."},
        {Lbl3, u"Nombre de mots listés", u"Combien de mots commencent par la saisie."},
        {Lbl4, u"Résultat de la recherche", u"Combien de synonymes ont été trouvés, et pour quel mot."},
        {Lbl2, u"Catégorie grammaticale", u"Le mot cherché en capitales et sa catégorie grammaticale."},
    });
    // clang-format on
    Cbo2->lineEdit()->setAccessibleName(Cbo2->accessibleName());
}

void FrmSyno::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        placeOnScreen();
        TimDeb->start();
        Cbo2->setFocus();
        emit loaded();
    }
    QWidget::showEvent(event);
}

void FrmSyno::placeOnScreen()
{
    const QRect screen = this->screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screen.x() + (screen.width() - outer.width()) / 2, screen.y() + (screen.height() - outer.height()) / 4);
}

void FrmSyno::closeEvent(QCloseEvent *event)
{
    // No search may run on a closed window.
    TimLst->stop();
    TimDeb->stop();
    event->accept();
    requestPromotionWindow();
}

bool FrmSyno::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the entry box or either list stands for a click of the default button,
    // which searches only while it is enabled.
    if (isEnterKey(event)) {
        if (Foc->isEnabled())
            Foc->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Quit and close end here, whichever comes first: one promotion window, once.
void FrmSyno::requestPromotionWindow()
{
    if (promotionRequested_)
        return;
    promotionRequested_ = true;
    emit promotionWindowRequested();
}

void FrmSyno::onTimDebTick()
{
    TimDeb->stop();
    if (startWord_) {
        const QString word = *std::exchange(startWord_, std::nullopt);
        lookUp(word);
        return;
    }
    Cbo2->setEditText(QStringLiteral("à "));
    Cbo2->lineEdit()->selectAll();
}

void FrmSyno::lookUp(const QString &word)
{
    if (!loaded_ || TimDeb->isActive()) {
        startWord_ = word;
        return;
    }
    TimLst->stop(); // a pick pending from a list would search another word after this one
    Cbo2->setEditText(word);
    onSearch();
}

void FrmSyno::setMirrorText(const QString &mirror)
{
    // Like a text box's change notification: only a real change rebuilds the word list,
    // and it does so before the writer goes on.
    if (mirror == mirror_)
        return;
    mirror_ = mirror;
    prefixList_.rebuild(mirror_);
}

void FrmSyno::onCbo2Change(const QString &text)
{
    setMirrorText(mirrorTextFor(text));
    setSearchEnabled(text.size() > 1);
}

void FrmSyno::onCbo2Choice(int)
{
    setSearchEnabled(true);
    setMirrorText(mirrorTextFor(Cbo2->currentText()));
}

void FrmSyno::onListPick(QListWidget *list, QListWidgetItem *item)
{
    // Clicks and arrow keys pick; the program's own refills of the list do not.
    if (fillingLists_ > 0 || !item || list->currentItem() != item)
        return;
    Cbo2->setEditText(item->text());
    TimLst->start();
}

void FrmSyno::onTimLstTick()
{
    TimLst->stop();
    onSearch();
}

void FrmSyno::onSearch()
{
    // A message box of the search runs its own event loop, where a timer tick could
    // start a second search inside the first.
    if (searching_)
        return;
    searching_ = true;
    search_.run();
    searching_ = false;
}

void FrmSyno::onCmdInfoClick()
{
    // The focus goes back to the entry box first, so typing goes on there once the
    // message is closed.
    Cbo2->setFocus();
    services_.messages.information(this, module_.ProductTitle, helpMessage(module_.LineBreak));
}

QString FrmSyno::entryText() const
{
    return Cbo2->currentText();
}

void FrmSyno::moveCaretToStart()
{
    Cbo2->lineEdit()->setCursorPosition(0);
}

void FrmSyno::setSearchEnabled(bool enabled)
{
    CmdRechercher->setEnabled(enabled);
    Foc->setEnabled(enabled);
}

void FrmSyno::focusEntry()
{
    Cbo2->setFocus();
}

void FrmSyno::setWordCountMessage(const QString &message)
{
    Lbl3->setText(message);
}

void FrmSyno::setResultMessage(const QString &message)
{
    Lbl4->setText(message);
}

void FrmSyno::setCategoryLine(const QString &line)
{
    Lbl2->setText(line);
}

QStringList FrmSyno::history() const
{
    QStringList items;
    for (int i = 0; i < Cbo2->count(); ++i)
        items.append(Cbo2->itemText(i));
    return items;
}

void FrmSyno::insertHistory(int position, const QString &text)
{
    // Changing the items may move the combo box's current item and, with it, rewrite the
    // entry text; the history must never touch what the user typed.
    const QString entry = Cbo2->currentText();
    const QSignalBlocker blocker(Cbo2);
    Cbo2->insertItem(position, text);
    if (Cbo2->currentText() != entry)
        Cbo2->setEditText(entry);
}

void FrmSyno::removeHistory(int position)
{
    const QString entry = Cbo2->currentText();
    const QSignalBlocker blocker(Cbo2);
    Cbo2->removeItem(position);
    if (Cbo2->currentText() != entry)
        Cbo2->setEditText(entry);
}

void FrmSyno::clearResults()
{
    const QScopedValueRollback filling(fillingLists_, fillingLists_ + 1);
    LstS->clear();
    noCurrentItem(LstS);
}

void FrmSyno::appendResults(const QStringList &lines)
{
    const QScopedValueRollback filling(fillingLists_, fillingLists_ + 1);
    LstS->addItems(lines);
    noCurrentItem(LstS);
}

QStringList FrmSyno::results() const
{
    QStringList lines;
    lines.reserve(LstS->count());
    for (int i = 0; i < LstS->count(); ++i)
        lines.append(LstS->item(i)->text());
    return lines;
}

void FrmSyno::reportInternalError(const QString &text)
{
    services_.messages.critical(this, module_.ProductTitle, text);
}

void FrmSyno::setBusyPointer(bool busy)
{
    if (busy)
        services_.cursor.setBusy(this);
    else
        services_.cursor.setArrow(this);
}

void FrmSyno::clearWords()
{
    const QScopedValueRollback filling(fillingLists_, fillingLists_ + 1);
    Lst->clear();
    noCurrentItem(Lst);
}

void FrmSyno::appendWords(const QStringList &words)
{
    const QScopedValueRollback filling(fillingLists_, fillingLists_ + 1);
    Lst->setUpdatesEnabled(false);
    Lst->addItems(words);
    noCurrentItem(Lst);
    Lst->setUpdatesEnabled(true);
}

} // namespace velkaron
