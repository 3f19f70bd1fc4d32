// A hundred lives of the main window in one process: open, type, search, pick, copy the
// list and the word, close, delete. Whatever the window allocates must go with it: the
// resident size after the hundredth cycle stays where it was after the tenth.

#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "real_dictionary.h"
#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <unistd.h>

using namespace velkaron;
using namespace velkaron::testing;

namespace {

// Resident set size of this process in kilobytes, from /proc.
qint64 residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// AddressSanitizer keeps freed blocks in quarantine and memcheck keeps 20 MB of them aside
// to catch late uses: under either, the resident size says nothing about our memory.
bool underMemoryChecker()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("vgpreload"));
#endif
}

void oneCycle(int n)
{
    FakeResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    auto *frm = new FrmSyno(realModule(), Services{resources, messages, cursor, clipboard, browser});
    frm->show();

    auto *cbo2 = frm->findChild<QComboBox *>(QStringLiteral("Cbo2"));
    auto *lstS = frm->findChild<QListWidget *>(QStringLiteral("LstS"));
    auto *menu = frm->findChild<QMenu *>(QStringLiteral("MnuCopier"));
    const QStringList words{QStringLiteral("chat"), QStringLiteral("maison"), QStringLiteral("règlement"),
                            QStringLiteral("co"), QStringLiteral("sans-gêne")};
    for (const QString &word : words) {
        cbo2->setEditText(word);
        frm->searchCommand().run();
    }
    QVERIFY(lstS->count() > 0);
    lstS->setCurrentRow(n % lstS->count());
    menu->findChild<QAction *>(QStringLiteral("MnuCop1"))->trigger();
    menu->findChild<QAction *>(QStringLiteral("MnuCop2"))->trigger();
    QVERIFY(clipboard.content.has_value());
    QCOMPARE(messages.shown.size(), 2);

    frm->close();
    delete frm;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class WindowCyclesTest : public QObject
{
    Q_OBJECT

private slots:
    void hundredCyclesKeepTheResidentSizeFlat();
};

void WindowCyclesTest::hundredCyclesKeepTheResidentSizeFlat()
{
    (void)realModule(); // the dictionary is loaded once for the process, not per window
    qint64 afterTen = 0;
    for (int n = 1; n <= 100; ++n) {
        oneCycle(n);
        if (QTest::currentTestFailed())
            return;
        if (n == 10)
            afterTen = residentKilobytes();
    }
    const qint64 afterHundred = residentKilobytes();
    qInfo("resident size: %lld kB after 10 cycles, %lld kB after 100 (%+lld kB)", afterTen, afterHundred,
          afterHundred - afterTen);
    if (underMemoryChecker())
        QSKIP("resident size not meaningful under a memory checker");
    // 90 windows that each kept their lists (some hundred kilobytes) would pass 8 MB.
    QVERIFY2(afterHundred - afterTen < 8 * 1024, "the main window leaves memory behind");
}

QTEST_MAIN(WindowCyclesTest)
#include "window_cycles_test.moc"
