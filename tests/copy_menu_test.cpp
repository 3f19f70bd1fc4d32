// The result list's context menu, the two copy commands and the help message.

#include "main_window_fixture.h"
#include "ui/chameleon_button.h"

#include <QMenu>


using namespace velkaron;
using namespace velkaron::testing;

namespace {

struct Window : MainWindowFixture
{
    QMenu *menu() const { return frm->findChild<QMenu *>(QStringLiteral("MnuCopier")); }
    QAction *action(const char *name) const { return menu()->findChild<QAction *>(QString::fromLatin1(name)); }
    void fillResults(const QStringList &lines, const QString &entry)
    {
        cbo2()->setEditText(entry);
        lstS()->clear();
        lstS()->addItems(lines);
    }
};

void press(QListWidget *list, Qt::MouseButton button, int row)
{
    const QPoint at = row < 0 ? QPoint(10, list->viewport()->height() - 5) : list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), button, {}, at);
}

} // namespace

class CopyMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void rightButtonOpensMenuWithoutMovingTheSelection_data();
    void rightButtonOpensMenuWithoutMovingTheSelection();
    void otherButtonsOpenNoMenu();
    void copySelectedWord_data();
    void copySelectedWord();
    void copyList();
    void refusedClipboardIsReportedNotConfirmed();
    void helpMessageAndFocus();
};

void CopyMenuTest::rightButtonOpensMenuWithoutMovingTheSelection_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("pressedRow");
    QTest::newRow("empty list") << QStringList() << -1 << -1;
    QTest::newRow("filled, nothing selected") << QStringList{"félin", "matou", "minet"} << -1 << 1;
    QTest::newRow("filled, another word selected") << QStringList{"félin", "matou", "minet"} << 0 << 2;
}

void CopyMenuTest::rightButtonOpensMenuWithoutMovingTheSelection()
{
    QFETCH(QStringList, lines);
    QFETCH(int, selected);
    QFETCH(int, pressedRow);
    Window w;
    w.fillResults(lines, QStringLiteral("chat"));
    if (selected >= 0)
        w.lstS()->setCurrentRow(selected);
    press(w.lstS(), Qt::RightButton, pressedRow);
    QTRY_VERIFY(w.menu()->isVisible());
    QCOMPARE(w.menu()->actions().size(), 2);
    QCOMPARE(w.action("MnuCop1")->text(), QStringLiteral("Copier le mot sélectionné"));
    QCOMPARE(w.action("MnuCop2")->text(), QStringLiteral("Copier la liste des synonymes"));
    QCOMPARE(w.lstS()->currentRow(), selected);
    w.menu()->close();
}

void CopyMenuTest::otherButtonsOpenNoMenu()
{
    Window w;
    w.fillResults({QStringLiteral("félin")}, QStringLiteral("chat"));
    press(w.lstS(), Qt::LeftButton, 0);
    press(w.lstS(), Qt::MiddleButton, 0);
    QTest::qWait(50);
    QVERIFY(!w.menu()->isVisible());
}

void CopyMenuTest::copySelectedWord_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("message");
    QTest::newRow("a word") << 1 << "matou" << "Le mot a été copié.";
    QTest::newRow("leading spaces kept") << 2 << "   minet" << "Le mot a été copié.";
    QTest::newRow("nothing selected leaves the clipboard alone") << -1 << "déjà là" << "Aucun mot n'est sélectionné.";
}

void CopyMenuTest::copySelectedWord()
{
    QFETCH(int, row);
    QFETCH(QString, copied);
    QFETCH(QString, message);
    Window w;
    w.clipboard.content = QStringLiteral("déjà là");
    w.fillResults({QStringLiteral("félin"), QStringLiteral("matou"), QStringLiteral("   minet")}, QStringLiteral("chat"));
    if (row >= 0)
        w.lstS()->setCurrentRow(row);
    w.action("MnuCop1")->trigger();
    QCOMPARE(w.clipboard.content.value_or(QString()), copied);
    QCOMPARE(w.clipboard.writes, row >= 0 ? 1 : 0);
    QCOMPARE(w.messages.shown.size(), 1);
    QCOMPARE(w.messages.shown.front().icon, ShownMessage::Icon::Information);
    QCOMPARE(w.messages.shown.front().title, QStringLiteral("Velkaron"));
    QCOMPARE(w.messages.shown.front().text, message);
}

void CopyMenuTest::copyList()
{
    Window w;
    w.fillResults({QString(), QStringLiteral("x"), QString()}, QStringLiteral("mot"));
    w.action("MnuCop2")->trigger();
    QCOMPARE(w.clipboard.content.value_or(QString()), QStringLiteral("Liste des synonyme de ''mot'':\r\nx\r\n"));
    QCOMPARE(w.messages.shown.size(), 1);
    QCOMPARE(w.messages.shown.front().text, QStringLiteral("La liste a été copiée."));

    // After a real search, from the walk-through.
    w.cbo2()->setEditText(QStringLiteral("chat"));
    w.frm->searchCommand().run();
    w.action("MnuCop2")->trigger();
    QCOMPARE(w.clipboard.content.value_or(QString()), QStringLiteral("Liste des synonyme de ''chat'':\r\nfélin\r\nmatou\r\nminet"));
}

void CopyMenuTest::refusedClipboardIsReportedNotConfirmed()
{
    Window w;
    w.clipboard.refuses = true;
    w.fillResults({QStringLiteral("félin")}, QStringLiteral("chat"));
    w.lstS()->setCurrentRow(0);
    for (const char *item : {"MnuCop1", "MnuCop2"}) {
        w.messages.shown.clear();
        w.action(item)->trigger();
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown.front().icon, ShownMessage::Icon::Exclamation);
        QCOMPARE(w.messages.shown.front().text, QStringLiteral("Le presse-papiers n'a pas pu être modifié : rien n'a été copié."));
    }
    QVERIFY(!w.clipboard.content.has_value());
}

void CopyMenuTest::helpMessageAndFocus()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.frm.get()));
    w.lstS()->setFocus();
    QTest::mouseClick(w.frm->findChild<ChameleonButton *>(QStringLiteral("CmdInfo")), Qt::LeftButton);
    QCOMPARE(w.messages.shown.size(), 1);
    const ShownMessage &help = w.messages.shown.front();
    QCOMPARE(help.icon, ShownMessage::Icon::Information);
    QCOMPARE(help.title, QStringLiteral("Velkaron"));
    QCOMPARE(help.text,
             QStringLiteral("Dans la zone de texte saisir un mot, puis cliquer sur le\r\nbouton ''Rechercher''.\r\n\r\n"
                            "Si des synonymes existent, une zone de liste, contenant\r\n"
                            "tous les synonymes trouvés, est affichée.\r\n\r\n"
                            "En cliquant avec le bouton droit de la souris dans\r\n"
                            "la liste, vous pouvez copier les résultats de la recherche."));
    QVERIFY(w.cbo2()->hasFocus() || w.cbo2()->lineEdit()->hasFocus());
}

QTEST_MAIN(CopyMenuTest)
#include "copy_menu_test.moc"
