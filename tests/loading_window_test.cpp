// The start-up windows: the loading window, then the main window in its place.

#include "core/module.h"
#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "ui/loading_window.h"
#include "ui/main_window.h"
#include "ui/window_flow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace velkaron;
using namespace velkaron::testing;

class LoadingWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsLoadingWindowThenMainWindow();
    void loadFailureTellsTheUserAndEndsWithAnError_data();
    void loadFailureTellsTheUserAndEndsWithAnError();
};

void LoadingWindowTest::showsLoadingWindowThenMainWindow()
{
    Module module;
    const FakeResources resources = FakeResources::withLineCounts(EntryCounts);
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    WindowFlow flow(module, {resources, messages, cursor, clipboard, browser});
    flow.start();

    QPointer<FrmCharge> loading = flow.loadingWindow();
    QVERIFY(loading);
    QCOMPARE(loading->windowTitle(), QStringLiteral("Chargement"));
    QVERIFY(loading->isVisible());
    QCOMPARE(loading->size(), QSize(318, 158));
    QVERIFY(!flow.mainWindow());

    QTRY_VERIFY_WITH_TIMEOUT(flow.mainWindow() && flow.mainWindow()->isVisible(), 5000);
    QCOMPARE(flow.mainWindow()->windowTitle(), QStringLiteral("Dictionnaire des synonymes"));
    // The loading window is hidden at once and deleted once its tick has returned.
    QTRY_VERIFY_WITH_TIMEOUT(!loading, 5000);
    QCOMPARE(module.store.lineCount(2), 4230);
    QVERIFY(messages.shown.isEmpty());
}

void LoadingWindowTest::loadFailureTellsTheUserAndEndsWithAnError_data()
{
    QTest::addColumn<QString>("missingType");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QString>("detail");
    QTest::newRow("letter missing") << QStringLiteral("SYNONYQ") << QByteArray()
                                    << QStringLiteral("Le texte de la lettre Q est introuvable dans le programme.");
    QTest::newRow("line without section sign") << QStringLiteral("SYNONYW") << QByteArray("nothing here")
                                               << QStringLiteral("La ligne 1 de la lettre W n'a pas de séparateur ''§''.");
}

void LoadingWindowTest::loadFailureTellsTheUserAndEndsWithAnError()
{
    QFETCH(QString, missingType);
    QFETCH(QByteArray, replacement);
    QFETCH(QString, detail);

    Module module;
    FakeResources resources = FakeResources::withLineCounts(EntryCounts);
    const int id = 101 + (missingType.back().unicode() - u'A');
    if (replacement.isEmpty())
        resources.remove(missingType, id);
    else
        resources.set(missingType, id, replacement);
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    WindowFlow flow(module, {resources, messages, cursor, clipboard, browser});
    QSignalSpy finished(&flow, &WindowFlow::finished);
    flow.start();

    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.front().front().toInt(), 1);
    QVERIFY(!flow.mainWindow());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.front().icon, ShownMessage::Icon::Critical);
    QCOMPARE(messages.shown.front().title, QStringLiteral("Velkaron"));
    QCOMPARE(messages.shown.front().text, QStringLiteral("Le dictionnaire n'a pas pu être chargé.\r\n") + detail);
}

QTEST_MAIN(LoadingWindowTest)
#include "loading_window_test.moc"
