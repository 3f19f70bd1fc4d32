// The promotion window on its own (timers, links, texts, look), then through the window
// flow from the main window's Quit button or close to the end of the program.

#include "core/module.h"
#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "ui/chameleon_button.h"
#include "ui/main_window.h"
#include "ui/promotion_content.h"
#include "ui/promotion_window.h"
#include "ui/window_flow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace velkaron;
using namespace velkaron::testing;
using namespace std::chrono_literals;

namespace {

template<typename T>
T *child(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

struct Promotion
{
    FakeResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    std::unique_ptr<FrmPub> frm = std::make_unique<FrmPub>(Services{resources, messages, cursor, clipboard, browser});

    void load()
    {
        browser.clock.start();
        frm->load();
    }
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return child<T>(frm.get(), name);
    }
};

struct Flow
{
    Module module;
    FakeResources resources = FakeResources::withLineCounts(EntryCounts);
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    WindowFlow flow{module, {resources, messages, cursor, clipboard, browser}};
    QSignalSpy finished{&flow, &WindowFlow::finished};

    // Starts the program and waits for the main window.
    bool started()
    {
        flow.start();
        return QTest::qWaitFor([this] { return flow.mainWindow() && flow.mainWindow()->isVisible(); }, 5000);
    }
    void quit(bool byQuitButton)
    {
        browser.clock.start();
        if (byQuitButton)
            QTest::mouseClick(child<ChameleonButton>(flow.mainWindow(), QStringLiteral("CmdQ")), Qt::LeftButton);
        else
            flow.mainWindow()->close();
    }
};

int promotionWindowCount()
{
    int count = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<const FrmPub *>(window) != nullptr;
    return count;
}

} // namespace

class PromotionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void controlsHaveTheirGeometryAndFont_data();
    void controlsHaveTheirGeometryAndFont();
    void windowIsFixedWithoutCaptionNorMinMaxButtons();
    void tabOrderStartsOnTheEndButton();
    void descriptionHasFifteenLinesOfTwoSentencesAndNineFeatures();
    void picturesAreOpaqueAtTheirSizes_data();
    void picturesAreOpaqueAtTheirSizes();

    void staysHiddenForHalfASecondThenShowsWithFocusOnFermer();
    void placesItselfCentredAThirdOfTheFreeHeightDown();
    void opensThePresentationPageOnceAfterASecond_data();
    void opensThePresentationPageOnceAfterASecond();
    void linkButtonsOpenTheirAddress_data();
    void linkButtonsOpenTheirAddress();
    void loadingAgainDoesNothing();

    void quitAndCloseGiveOnePromotionWindow_data();
    void quitAndCloseGiveOnePromotionWindow();
    void endingBeforeTheTimersLaunchesNothing_data();
    void endingBeforeTheTimersLaunchesNothing();
};

void PromotionWindowTest::initTestCase()
{
    // As in the program: the flow, not the last closed window, ends it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void PromotionWindowTest::controlsHaveTheirGeometryAndFont_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    // clang-format off
    QTest::newRow("banner")        << "Img1"             << QRect(128, 4, 491, 101)  << 0.0   << false;
    QTest::newRow("title")         << "Label1"           << QRect(124, 100, 493, 25) << 15.75 << false;
    QTest::newRow("headline")      << "Lbl1"             << QRect(20, 140, 391, 33)  << 9.75  << true;
    QTest::newRow("description")   << "Lbl2"             << QRect(20, 174, 391, 325) << 9.75  << false;
    QTest::newRow("screenshot")    << "Img2"             << QRect(416, 140, 307, 213) << 0.0  << false;
    QTest::newRow("free trial")    << "Label2"           << QRect(424, 372, 299, 37) << 9.75  << true;
    QTest::newRow("download link") << "CmdTelecharge"    << QRect(436, 408, 273, 25) << 9.75  << false;
    QTest::newRow("site link")     << "chameleonButton1" << QRect(436, 436, 273, 25) << 9.75  << false;
    QTest::newRow("end button")    << "CmdEND"           << QRect(528, 472, 93, 29)  << 9.75  << false;
    QTest::newRow("no internet")   << "Label3"           << QRect(20, 482, 391, 21)  << 9.75  << true;
    QTest::newRow("hidden address") << "LblUrl"          << QRect(4, 28, 253, 21)    << 9.75  << false;
    // clang-format on
}

void PromotionWindowTest::controlsHaveTheirGeometryAndFont()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    Promotion w;
    const QWidget *control = w.find(name);
    QCOMPARE(control->geometry(), geometry);
    if (pointSize > 0) {
        QCOMPARE(control->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(control->font().pointSizeF(), pointSize);
        QCOMPARE(control->font().bold(), bold);
    }
    if (const auto *label = qobject_cast<const QLabel *>(control); label && pointSize > 0) {
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void PromotionWindowTest::windowIsFixedWithoutCaptionNorMinMaxButtons()
{
    Promotion w;
    QCOMPARE(w.frm->size(), QSize(740, 516));
    QCOMPARE(w.frm->minimumSize(), w.frm->maximumSize());
    QCOMPARE(w.frm->windowTitle().trimmed(), QString());
    const Qt::WindowFlags flags = w.frm->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!w.find<ChameleonButton>(QStringLiteral("CmdEND"))->linkLook());
}

void PromotionWindowTest::tabOrderStartsOnTheEndButton()
{
    Promotion w;
    const QWidget *end = w.find(QStringLiteral("CmdEND"));
    QCOMPARE(end->nextInFocusChain(), w.find(QStringLiteral("CmdTelecharge")));
    QCOMPARE(end->nextInFocusChain()->nextInFocusChain(), w.find(QStringLiteral("chameleonButton1")));
}

void PromotionWindowTest::descriptionHasFifteenLinesOfTwoSentencesAndNineFeatures()
{
    Promotion w;
    const QLabel *lbl2 = w.find<QLabel>(QStringLiteral("Lbl2"));
    QCOMPARE(lbl2->text(), QString()); // set by the load, not before
    QCOMPARE(w.find<QLabel>(QStringLiteral("Lbl1"))->text(), QString());
    w.load();
    QCOMPARE(w.find<QLabel>(QStringLiteral("Lbl1"))->text(), promotion::Headline);

    const QString text = lbl2->text();
    QVERIFY(!text.endsWith(u'\n') && !text.endsWith(u'\r'));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);
    const QFontMetrics metrics(lbl2->font());
    // The first sentence is long and wraps; every feature line fits on one line.
    QVERIFY(metrics.horizontalAdvance(lines[0]) > lbl2->width());
    int features = 0;
    int continuations = 0;
    for (int i = 2; i < lines.size(); ++i) {
        const QString &line = lines[i];
        QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(line));
        QVERIFY2(metrics.horizontalAdvance(line) <= lbl2->width(), qPrintable(line));
        if (line.startsWith(QLatin1String("   -"))) {
            ++features;
        } else {
            QVERIFY2(line.startsWith(QLatin1String("    ")) && line[4] != u' ' && line[4] != u'-', qPrintable(line));
            // A continuation follows its feature's first line, never another continuation.
            QVERIFY2(lines[i - 1].startsWith(QLatin1String("   -")), qPrintable(line));
            ++continuations;
        }
    }
    QCOMPARE(features, 9);
    QCOMPARE(continuations, 4);
    QVERIFY(!lines[0].startsWith(u' ') && !lines[1].startsWith(u' '));

    for (const char *name : {"Label1", "Label2", "Label3"})
        QVERIFY2(!w.find<QLabel>(QLatin1String(name))->text().isEmpty(), name);
}

void PromotionWindowTest::picturesAreOpaqueAtTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << "Img1" << ":/pictures/lettrovent-banner.png" << QSize(491, 101);
    QTest::newRow("screenshot") << "Img2" << ":/pictures/lettrovent-screenshot.png" << QSize(307, 213);
}

void PromotionWindowTest::picturesAreOpaqueAtTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QSize, size);

    const QImage image(file);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
    Promotion w;
    QCOMPARE(w.find<QLabel>(name)->pixmap().size(), size);
}

void PromotionWindowTest::staysHiddenForHalfASecondThenShowsWithFocusOnFermer()
{
    Promotion w;
    QElapsedTimer clock;
    clock.start();
    w.load();
    QVERIFY(!w.frm->isVisible());
    QTest::qWait(300);
    if (clock.elapsed() < 450) // a loaded machine may have slept past the tick
        QVERIFY(!w.frm->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(w.frm->isVisible(), 3000);
    QVERIFY(clock.elapsed() >= 450);
    QCOMPARE(w.frm->focusWidget(), w.find(QStringLiteral("CmdEND")));
    QVERIFY(!w.find(QStringLiteral("LblUrl"))->isVisible());
}

void PromotionWindowTest::placesItselfCentredAThirdOfTheFreeHeightDown()
{
    Promotion w;
    w.load();
    const QRect screen = w.frm->screen()->geometry();
    const QSize outer = w.frm->frameGeometry().size();
    QCOMPARE(w.frm->frameGeometry().topLeft(),
             QPoint(screen.x() + (screen.width() - outer.width()) / 2, screen.y() + (screen.height() - outer.height()) / 3));
}

void PromotionWindowTest::opensThePresentationPageOnceAfterASecond_data()
{
    QTest::addColumn<int>("launchKeepsLoopFor");
    QTest::newRow("launch returns at once") << 0;
    QTest::newRow("failure message left open 1.5 s") << 1500;
}

void PromotionWindowTest::opensThePresentationPageOnceAfterASecond()
{
    QFETCH(int, launchKeepsLoopFor);
    Promotion w;
    w.browser.busyFor = std::chrono::milliseconds(launchKeepsLoopFor);
    w.load();

    QTRY_COMPARE_WITH_TIMEOUT(w.browser.opened.size(), 1, 5000);
    QCOMPARE(w.browser.opened.front(), promotion::PresentationAddress);
    // A coarse one-second timer may fire up to 5% early, and the clocks round to the
    // millisecond: 900 ms still tells "after a second" from "at once".
    QVERIFY2(w.browser.openedAfterMs.front() >= 900, qPrintable(QString::number(w.browser.openedAfterMs.front())));
    QTest::qWait(2500);
    QCOMPARE(w.browser.opened.size(), 1);
    QVERIFY(w.frm->isVisible());
}

void PromotionWindowTest::linkButtonsOpenTheirAddress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("caption");
    QTest::newRow("download") << "CmdTelecharge" << promotion::InstallerAddress
                              << QStringLiteral("Télécharger le programme d'installation");
    QTest::newRow("web site") << "chameleonButton1" << promotion::HomePageAddress
                              << QStringLiteral("Site internet de présentation du jeu");
}

void PromotionWindowTest::linkButtonsOpenTheirAddress()
{
    QFETCH(QString, button);
    QFETCH(QString, address);
    QFETCH(QString, caption);

    Promotion w;
    w.load();
    QTRY_COMPARE_WITH_TIMEOUT(w.browser.opened.size(), 1, 5000); // the presentation page
    QSignalSpy ended(w.frm.get(), &FrmPub::ended);
    auto *link = w.find<ChameleonButton>(button);
    QVERIFY(link->linkLook());
    QCOMPARE(link->text(), caption);

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(w.browser.opened, QStringList({promotion::PresentationAddress, address, address}));
    QVERIFY(w.frm->isVisible());
    QCOMPARE(ended.count(), 0);
}

void PromotionWindowTest::loadingAgainDoesNothing()
{
    Promotion w;
    QSignalSpy loaded(w.frm.get(), &FrmPub::loaded);
    w.load();
    QTest::qWait(300);
    const auto *connect = w.find<QTimer>(QStringLiteral("TimConnect"));
    QVERIFY(connect->isActive());
    w.frm->load();
    QCOMPARE(loaded.count(), 1);
    // Not restarted: less than the second since the first load is left.
    QVERIFY(connect->remainingTime() < 900);
    QTRY_COMPARE_WITH_TIMEOUT(w.browser.opened.size(), 1, 5000);
}

void PromotionWindowTest::quitAndCloseGiveOnePromotionWindow_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("Quit button") << true;
    QTest::newRow("close button") << false;
}

void PromotionWindowTest::quitAndCloseGiveOnePromotionWindow()
{
    QFETCH(bool, byQuitButton);
    Flow f;
    QVERIFY(f.started());
    QVERIFY(!f.flow.promotionWindow());

    f.quit(byQuitButton);
    QPointer<FrmPub> promotion = f.flow.promotionWindow();
    QVERIFY(promotion);
    QVERIFY(!promotion->isVisible());
    QVERIFY(!f.flow.mainWindow()->isVisible());
    // Whatever follows (a second close, the other way of quitting), no second window.
    f.quit(!byQuitButton);
    f.flow.mainWindow()->close();
    QCOMPARE(f.flow.promotionWindow(), promotion.data());
    QCOMPARE(promotionWindowCount(), 1);

    QTRY_VERIFY_WITH_TIMEOUT(promotion->isVisible(), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(f.browser.opened, QStringList{promotion::PresentationAddress}, 5000);
    QCOMPARE(f.finished.count(), 0);
    QVERIFY(f.messages.shown.isEmpty());

    QTest::mouseClick(child<ChameleonButton>(promotion, QStringLiteral("CmdEND")), Qt::LeftButton);
    QCOMPARE(f.finished.count(), 1);
    QCOMPARE(f.finished.front().front().toInt(), 0);
}

void PromotionWindowTest::endingBeforeTheTimersLaunchesNothing_data()
{
    QTest::addColumn<bool>("byEndButton");
    QTest::newRow("Fermer") << true;
    QTest::newRow("window closed") << false;
}

void PromotionWindowTest::endingBeforeTheTimersLaunchesNothing()
{
    QFETCH(bool, byEndButton);
    Flow f;
    QVERIFY(f.started());
    f.quit(true);
    FrmPub *promotion = f.flow.promotionWindow();
    if (byEndButton)
        child<ChameleonButton>(promotion, QStringLiteral("CmdEND"))->click();
    else
        promotion->close();
    QCOMPARE(f.finished.count(), 1);
    QCOMPARE(f.finished.front().front().toInt(), 0);

    QTest::qWait(1500);
    QVERIFY(f.browser.opened.isEmpty());
    QVERIFY(!promotion->isVisible());
    QCOMPARE(f.finished.count(), 1);
}

QTEST_MAIN(PromotionWindowTest)
#include "promotion_window_test.moc"
