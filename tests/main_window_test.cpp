// The main window driven by real widget events, on the real dictionary.

#include "main_window_fixture.h"
#include "ui/chameleon_button.h"

#include <QPushButton>
#include <QSignalSpy>

#include <memory>
#include <stdexcept>

using namespace velkaron;
using namespace velkaron::testing;

namespace {

struct Window : MainWindowFixture
{
    bool searchEnabled() const
    {
        const bool button = find<ChameleonButton>("CmdRechercher")->isEnabled();
        const bool foc = find<QPushButton>("Foc")->isEnabled();
        if (button != foc)
            qFatal("CmdRechercher and Foc out of step");
        return button;
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsHaveTheirGeometryAndLook_data();
    void controlsHaveTheirGeometryAndLook();
    void startUpTextIsSelectedAndListsItsHeadwords();
    void typingChatFollowsTheWalkThrough();
    void entriesThatEnableSearchButListNothing_data();
    void entriesThatEnableSearchButListNothing();
    void prefixListFollowsTheEntry_data();
    void prefixListFollowsTheEntry();
    void enterSearchesOnlyWhileSearchIsEnabled();
    void enterInEitherListSearches();
    void clickInListSearchesHalfASecondLater();
    void arrowKeysPickLikeClicks();
    void oneCharacterSynonymStillSearchedByTheTimer();
    void historyPickEnablesSearchEvenForOneCharacter();
    void historyNeverRewritesTheEntry();
    void quitAndCloseRequestOnePromotionWindow_data();
    void quitAndCloseRequestOnePromotionWindow();
    void closedWindowRunsNoPendingSearch();
    void failureInRebuildIsReportedAndPointerRestored();
};

void MainWindowTest::controlsHaveTheirGeometryAndLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // clang-format off
    QTest::newRow("Cbo2") << "Cbo2" << QRect(264, 20, 253, 26);
    QTest::newRow("CmdRechercher") << "CmdRechercher" << QRect(332, 56, 121, 29);
    QTest::newRow("Lst") << "Lst" << QRect(4, 20, 253, 328);
    QTest::newRow("LstS") << "LstS" << QRect(264, 108, 253, 238);
    QTest::newRow("CmdInfo") << "CmdInfo" << QRect(264, 56, 27, 29);
    QTest::newRow("CmdQ") << "CmdQ" << QRect(484, 56, 27, 29);
    QTest::newRow("Foc (off the client area)") << "Foc" << QRect(552, 32, 41, 21);
    QTest::newRow("Lbl3") << "Lbl3" << QRect(4, 4, 253, 17);
    QTest::newRow("Lbl4") << "Lbl4" << QRect(264, 4, 257, 17);
    QTest::newRow("Lbl2") << "Lbl2" << QRect(264, 92, 257, 17);
    // clang-format on
}

void MainWindowTest::controlsHaveTheirGeometryAndLook()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Window w;
    QCOMPARE(w.frm->size(), QSize(524, 352));
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Dictionnaire des synonymes"));
    QVERIFY(!(w.frm->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.frm->windowFlags() & Qt::WindowMinimizeButtonHint);
    QWidget *control = w.frm->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void MainWindowTest::startUpTextIsSelectedAndListsItsHeadwords()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.frm.get()));
    QVERIFY(w.cbo2()->hasFocus() || w.entry()->hasFocus());
    QVERIFY(w.started());
    QCOMPARE(w.entry()->selectedText(), QStringLiteral("à "));
    QCOMPARE(w.frm->mirrorText(), QStringLiteral("a "));
    QCOMPARE(w.lst()->count(), 54);
    QCOMPARE(w.lst()->item(0)->text(), QStringLiteral("à brûle-pourpoint"));
    QCOMPARE(w.lst()->item(53)->text(), QStringLiteral("à tort"));
    QCOMPARE(w.lbl("Lbl3"), QStringLiteral("54 mots listés."));
    QVERIFY(w.searchEnabled());
    QCOMPARE(w.cursor.changes.back(), QStringLiteral("arrow"));

    // The first key replaces the selected start-up text.
    type(w.entry(), QStringLiteral("c"));
    QCOMPARE(w.entry()->text(), QStringLiteral("c"));
}

void MainWindowTest::typingChatFollowsTheWalkThrough()
{
    Window w;
    QVERIFY(w.started());
    // clang-format off
    const struct { QString key; int listed; QString message; bool enabled; } steps[] = {
        {QStringLiteral("c"), 0, QStringLiteral("Aucun mot dans la liste."), false},
        {QStringLiteral("h"), 599, QStringLiteral("599 mots listés."), true},
        {QStringLiteral("a"), 329, QStringLiteral("329 mots listés."), true},
        {QStringLiteral("t"), 32, QStringLiteral("32 mots listés."), true},
    };
    // clang-format on
    for (const auto &step : steps) {
        type(w.entry(), step.key);
        QCOMPARE(w.lst()->count(), step.listed);
        QCOMPARE(w.lbl("Lbl3"), step.message);
        QCOMPARE(w.searchEnabled(), step.enabled);
    }
    QCOMPARE(w.lst()->item(0)->text(), QStringLiteral("chat"));
    QCOMPARE(w.lst()->item(1)->text(), QStringLiteral("châtaigne"));
    QCOMPARE(w.lst()->currentRow(), -1);

    QTest::keyClick(w.entry(), Qt::Key_Return);
    QCOMPARE(items(w.lstS()), QStringList({QStringLiteral("félin"), QStringLiteral("matou"), QStringLiteral("minet")}));
    QCOMPARE(w.lbl("Lbl4"), QStringLiteral("3 synonymes pour ''chat''."));
    QCOMPARE(w.lbl("Lbl2"), QStringLiteral("CHAT: nom"));
    QCOMPARE(w.lbl("Lbl3"), QString());
    QVERIFY(!w.searchEnabled());
    QCOMPARE(w.cbo2()->count(), 1);
    QCOMPARE(w.cbo2()->itemText(0), QStringLiteral("chat"));
    QCOMPARE(w.entry()->text(), QStringLiteral("chat"));
    QCOMPARE(w.entry()->cursorPosition(), 0);
    QVERIFY(w.messages.shown.isEmpty());
}

void MainWindowTest::entriesThatEnableSearchButListNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("one character") << "a" << "a" << false;
    QTest::newRow("two spaces") << "  " << "  " << true;
    QTest::newRow("space then letter") << " a" << " a" << true;
    QTest::newRow("accented capital") << "École" << "école" << true;
    QTest::newRow("ligature") << "œil" << "œil" << true;
    QTest::newRow("digit") << "1er" << "1er" << true;
    QTest::newRow("no such prefix") << "zz" << "zz" << true;
}

void MainWindowTest::entriesThatEnableSearchButListNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, mirror);
    QFETCH(bool, enabled);
    Window w;
    QVERIFY(w.started());
    replaceEntry(w, text);
    QCOMPARE(w.entry()->text(), text);
    QCOMPARE(w.frm->mirrorText(), mirror);
    QCOMPARE(w.lst()->count(), 0);
    QCOMPARE(w.lbl("Lbl3"), QStringLiteral("Aucun mot dans la liste."));
    QCOMPARE(w.searchEnabled(), enabled);
}

void MainWindowTest::prefixListFollowsTheEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("capitals") << "RER" << QStringList{"RER"};
    QTest::newRow("xy") << "xy" << QStringList{"xylographie", "xylophone", "xylose"};
    QTest::newRow("repeated headword") << "assommant" << QStringList{"assommant", "assommant"};
    QTest::newRow("accents typed") << "à côté" << QStringList{"à côté", "à côté de"};
    QTest::newRow("accents folded") << "A COTE" << QStringList{"à côté", "à côté de"};
}

void MainWindowTest::prefixListFollowsTheEntry()
{
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    Window w;
    QVERIFY(w.started());
    replaceEntry(w, text);
    QCOMPARE(items(w.lst()), listed);
    QCOMPARE(w.lbl("Lbl3"), listed.size() == 1 ? QStringLiteral("Un mot listé.") : QStringLiteral("%1 mots listés.").arg(listed.size()));
}

void MainWindowTest::enterSearchesOnlyWhileSearchIsEnabled()
{
    Window w;
    QVERIFY(w.started());
    replaceEntry(w, QStringLiteral("c"));
    QTest::keyClick(w.entry(), Qt::Key_Return);
    QCOMPARE(w.cbo2()->count(), 0);
    QCOMPARE(w.lbl("Lbl4"), QString());

    type(w.entry(), QStringLiteral("hat"));
    QTest::keyClick(w.entry(), Qt::Key_Enter);
    QCOMPARE(w.lstS()->count(), 3);
    // After a search, Enter does nothing until the entry changes.
    w.lstS()->clear();
    QTest::keyClick(w.entry(), Qt::Key_Return);
    QCOMPARE(w.lstS()->count(), 0);
    QCOMPARE(w.cbo2()->count(), 1);
}

void MainWindowTest::enterInEitherListSearches()
{
    for (const char *listName : {"Lst", "LstS"}) {
        Window w;
        QVERIFY(w.started());
        replaceEntry(w, QStringLiteral("chat"));
        QWidget *list = w.find<QListWidget>(listName);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.lbl("Lbl4"), QStringLiteral("3 synonymes pour ''chat''."));
        QVERIFY(w.cbo2()->hasFocus() || w.entry()->hasFocus());
    }
}

void MainWindowTest::clickInListSearchesHalfASecondLater()
{
    Window w;
    QVERIFY(w.started());
    QTimer *timLst = w.find<QTimer>("TimLst");
    clickItem(w.lst(), QStringLiteral("à côté"));
    QCOMPARE(w.entry()->text(), QStringLiteral("à côté"));
    QCOMPARE(w.frm->mirrorText(), QStringLiteral("a cote"));
    QCOMPARE(items(w.lst()), QStringList({QStringLiteral("à côté"), QStringLiteral("à côté de")}));
    QCOMPARE(w.lst()->currentRow(), -1);
    QVERIFY(w.lst()->selectedItems().isEmpty());
    QVERIFY(timLst->isActive());
    QCOMPARE(w.lbl("Lbl4"), QString());
    QTRY_VERIFY_WITH_TIMEOUT(!w.lbl("Lbl4").isEmpty(), 3000);
    QVERIFY(w.lbl("Lbl4").endsWith(QStringLiteral("pour ''à côté''.")));
    QCOMPARE(w.cbo2()->itemText(0), QStringLiteral("à côté"));
    QVERIFY(!timLst->isActive());
}

void MainWindowTest::arrowKeysPickLikeClicks()
{
    Window w;
    QVERIFY(w.started());
    replaceEntry(w, QStringLiteral("xy"));
    w.lst()->setFocus();
    // Getting the focus picks nothing.
    QCOMPARE(w.entry()->text(), QStringLiteral("xy"));
    QTest::keyClick(w.lst(), Qt::Key_Down);
    QCOMPARE(w.entry()->text(), QStringLiteral("xylographie"));
    QCOMPARE(items(w.lst()), QStringList({QStringLiteral("xylographie")}));
    QCOMPARE(w.lst()->currentRow(), -1);
    QTRY_VERIFY_WITH_TIMEOUT(!w.lbl("Lbl4").isEmpty(), 3000);
    QCOMPARE(w.cbo2()->itemText(0), QStringLiteral("xylographie"));
}

void MainWindowTest::oneCharacterSynonymStillSearchedByTheTimer()
{
    Window w;
    QVERIFY(w.started());
    replaceEntry(w, QStringLiteral("chez"));
    QTest::keyClick(w.entry(), Qt::Key_Return);
    QVERIFY(!w.lstS()->findItems(QStringLiteral("à"), Qt::MatchExactly).isEmpty());
    clickItem(w.lstS(), QStringLiteral("à"));
    QCOMPARE(w.entry()->text(), QStringLiteral("à"));
    QVERIFY(!w.searchEnabled());
    QCOMPARE(w.lst()->count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(w.cbo2()->itemText(0), QStringLiteral("à"), 3000);
    QCOMPARE(w.frm->mirrorText(), QStringLiteral("a"));
}

void MainWindowTest::historyPickEnablesSearchEvenForOneCharacter()
{
    Window w;
    QVERIFY(w.started());
    for (const QString &word : {QStringLiteral("x"), QStringLiteral("chat")}) {
        replaceEntry(w, word);
        w.frm->searchCommand().run();
    }
    QCOMPARE(w.cbo2()->itemText(1), QStringLiteral("x"));
    QVERIFY(!w.searchEnabled());
    w.cbo2()->setFocus();
    // Choose the one-letter item from the drop-down list, as the keyboard does.
    w.cbo2()->showPopup();
    QAbstractItemView *popup = w.cbo2()->view();
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(1, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(w.entry()->text(), QStringLiteral("x"));
    QCOMPARE(w.frm->mirrorText(), QStringLiteral("x"));
    QVERIFY(w.searchEnabled());
}

void MainWindowTest::historyNeverRewritesTheEntry()
{
    Window w;
    QVERIFY(w.started());
    for (int i = 1; i <= 12; ++i) {
        replaceEntry(w, QStringLiteral("mot%1").arg(i));
        QTest::keyClick(w.entry(), Qt::Key_Return);
    }
    // Pick the oldest word, then search new ones: the history shifts past its end while
    // the combo box's current item is the one being dropped.
    w.cbo2()->setCurrentIndex(11);
    QCOMPARE(w.entry()->text(), QStringLiteral("mot1"));
    for (const QString &word : {QStringLiteral("neuf"), QStringLiteral("dix")}) {
        replaceEntry(w, word);
        QTest::keyClick(w.entry(), Qt::Key_Return);
        QCOMPARE(w.entry()->text(), word);
        QCOMPARE(w.cbo2()->itemText(0), word);
        QCOMPARE(w.cbo2()->count(), 12);
    }
}

void MainWindowTest::quitAndCloseRequestOnePromotionWindow_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("Quit button") << true;
    QTest::newRow("close button") << false;
}

void MainWindowTest::quitAndCloseRequestOnePromotionWindow()
{
    QFETCH(bool, byQuitButton);
    Window w;
    QSignalSpy requested(w.frm.get(), &FrmSyno::promotionWindowRequested);
    if (byQuitButton)
        QTest::mouseClick(w.find<ChameleonButton>("CmdQ"), Qt::LeftButton);
    else
        w.frm->close();
    QCOMPARE(requested.count(), 1);
    // Whatever comes next (the close that follows the Quit button, a second close), no
    // second promotion window.
    w.frm->close();
    QTest::mouseClick(w.find<ChameleonButton>("CmdQ"), Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
}

void MainWindowTest::closedWindowRunsNoPendingSearch()
{
    Window w;
    QVERIFY(w.started());
    clickItem(w.lst(), QStringLiteral("à côté"));
    QVERIFY(w.find<QTimer>("TimLst")->isActive());
    w.frm->close();
    QTest::qWait(800);
    QCOMPARE(w.cbo2()->count(), 0);
    QCOMPARE(w.lbl("Lbl4"), QString());
}

void MainWindowTest::failureInRebuildIsReportedAndPointerRestored()
{
    Window w;
    QVERIFY(w.started());
    w.frm->prefixList().setScan([](const DictionaryStore &, QStringView) -> QStringList {
        throw std::overflow_error("injected");
    });
    w.cursor.changes.clear();
    w.cbo2()->setEditText(QStringLiteral("co"));
    QCOMPARE(w.messages.shown.size(), 1);
    const ShownMessage &shown = w.messages.shown.front();
    QCOMPARE(shown.icon, ShownMessage::Icon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Velkaron"));
    QVERIFY(shown.text.endsWith(QString(17, u' ') + QStringLiteral("\r\nErreur interne 022 - 6")));
    QCOMPARE(w.lst()->count(), 0);
    QCOMPARE(w.lbl("Lbl3"), QStringLiteral("Aucun mot dans la liste."));
    QCOMPARE(w.cursor.changes, QStringList({QStringLiteral("busy"), QStringLiteral("arrow")}));
    QVERIFY(w.searchEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
