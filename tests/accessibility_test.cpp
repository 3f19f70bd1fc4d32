// What a screen reader and a keyboard user find: every control of the main window and of
// the promotion window through Qt's accessibility interface, with a French name, a
// description and the role of its kind; the copy menu from the keyboard.

#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "real_dictionary.h"
#include "ui/main_window.h"
#include "ui/promotion_window.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace velkaron;
using namespace velkaron::testing;

namespace {

struct Fakes
{
    FakeResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    Services services() { return Services{resources, messages, cursor, clipboard, browser}; }
};

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void menuKeyOpensTheCopyMenu();
};

void AccessibilityTest::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<bool>("promotion");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    // clang-format off
    QTest::newRow("entry box") << false << "Cbo2" << "Saisie du mot" << int(QAccessible::ComboBox);
    QTest::newRow("search") << false << "CmdRechercher" << "Rechercher" << int(QAccessible::Button);
    QTest::newRow("prefix list") << false << "Lst" << "Liste des mots commençant par la saisie" << int(QAccessible::List);
    QTest::newRow("results") << false << "LstS" << "Synonymes trouvés" << int(QAccessible::List);
    QTest::newRow("help, picture only") << false << "CmdInfo" << "Aide" << int(QAccessible::Button);
    QTest::newRow("quit, picture only") << false << "CmdQ" << "Quitter" << int(QAccessible::Button);
    QTest::newRow("word count") << false << "Lbl3" << "Nombre de mots listés" << int(QAccessible::StaticText);
    QTest::newRow("result message") << false << "Lbl4" << "Résultat de la recherche" << int(QAccessible::StaticText);
    QTest::newRow("category line") << false << "Lbl2" << "Catégorie grammaticale" << int(QAccessible::StaticText);
    QTest::newRow("promotion banner") << true << "Img1" << "Bannière de Lettrovent" << int(QAccessible::Graphic);
    QTest::newRow("promotion close") << true << "CmdEND" << "Fermer" << int(QAccessible::Button);
    QTest::newRow("promotion download link") << true << "CmdTelecharge" << "Télécharger le programme d'installation" << int(QAccessible::Button);
    // clang-format on
}

void AccessibilityTest::controlsHaveNamesAndRoles()
{
    QFETCH(bool, promotion);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);

    Fakes fakes;
    std::unique_ptr<QWidget> frm;
    if (promotion)
        frm = std::make_unique<FrmPub>(fakes.services());
    else
        frm = std::make_unique<FrmSyno>(realModule(), fakes.services());
    frm->show();

    // Walk the window's accessible tree, as a screen reader does, to the control.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(frm.get());
    QVERIFY(window);
    QAccessibleInterface *found = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (child && child->object() && child->object()->objectName() == control)
            found = child;
    }
    QVERIFY2(found, qPrintable(control));
    QCOMPARE(found->text(QAccessible::Name), name);
    QVERIFY(!found->text(QAccessible::Description).isEmpty());
    QCOMPARE(int(found->role()), role);
}

void AccessibilityTest::menuKeyOpensTheCopyMenu()
{
    Fakes fakes;
    FrmSyno frm(realModule(), fakes.services());
    frm.show();
    auto *lstS = frm.findChild<QListWidget *>(QStringLiteral("LstS"));
    lstS->addItems({QStringLiteral("félin"), QStringLiteral("matou")});
    lstS->setCurrentRow(1);
    lstS->setFocus();
    // The menu key and Shift+F10 reach the list as a keyboard context-menu event.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), lstS->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(lstS, &menuKey);
    auto *menu = frm.findChild<QMenu *>(QStringLiteral("MnuCopier"));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(lstS->currentRow(), 1);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
