// What a screen reader finds in the main window: every control through Qt's
// accessibility interface, with a French name and the role of its kind.

#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "real_dictionary.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QTest>

#include <memory>

using namespace velkaron;
using namespace velkaron::testing;

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
};

void AccessibilityTest::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    // clang-format off
    QTest::newRow("entry box") << "Cbo2" << "Saisie du mot" << int(QAccessible::ComboBox);
    QTest::newRow("search") << "CmdRechercher" << "Rechercher" << int(QAccessible::Button);
    QTest::newRow("prefix list") << "Lst" << "Liste des mots commençant par la saisie" << int(QAccessible::List);
    QTest::newRow("results") << "LstS" << "Synonymes trouvés" << int(QAccessible::List);
    QTest::newRow("help, picture only") << "CmdInfo" << "Aide" << int(QAccessible::Button);
    QTest::newRow("quit, picture only") << "CmdQ" << "Quitter" << int(QAccessible::Button);
    QTest::newRow("word count") << "Lbl3" << "Nombre de mots listés" << int(QAccessible::StaticText);
    QTest::newRow("result message") << "Lbl4" << "Résultat de la recherche" << int(QAccessible::StaticText);
    QTest::newRow("category line") << "Lbl2" << "Catégorie grammaticale" << int(QAccessible::StaticText);
    // clang-format on
}

void AccessibilityTest::controlsHaveNamesAndRoles()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);

    FakeResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    FrmSyno frm(realModule(), Services{resources, messages, cursor, clipboard, browser});
    frm.show();

    // Walk the window's accessible tree, as a screen reader does, to the control.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&frm);
    QVERIFY(window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Dictionnaire des synonymes"));
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
