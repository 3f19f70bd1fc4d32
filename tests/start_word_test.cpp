// Starting Velkaron with a word, as a user does: the real velkaron binary in child
// processes (offscreen, each test with a runtime folder of its own, so that no window of
// the user's is ever reached), its arguments, and the hand-over of its word to the window
// already open. The open window is either this test process, running the program's window
// flow on the real dictionary with fake platform services, or another velkaron process.

#include "core/search.h"
#include "core/text_view.h"
#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_selection_reader.h"
#include "platform/embedded_resources.h"
#include "platform/hunspell_lemmas.h"
#include "platform/single_instance.h"
#include "real_dictionary.h"
#include "ui/chameleon_button.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/window_flow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <memory>

using namespace velkaron;
using namespace velkaron::testing;

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(std::optional<velkaron::TextWord>)

namespace {

const QString Velkaron = QStringLiteral(VELKARON);

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

std::unique_ptr<QProcess> startVelkaron(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->start(Velkaron, arguments);
    process->closeWriteChannel();
    return process;
}

Run finish(QProcess &process)
{
    // A start that hands its word over or stops on a usage error ends by itself; one that
    // hangs fails here. The event loop runs meanwhile: the open window may be this process.
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// What the main window shows after searching `word`: its result message.
QString resultMessageFor(const QString &word)
{
    TextView view;
    SearchCommand search(realModule(), view);
    view.setEntry(word);
    search.run();
    return view.resultMessage;
}

// A socket file that nobody listens on, as a killed instance leaves it.
void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(std::size_t(name.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFileInfo(path).exists());
}

bool listening(const QString &channel)
{
    QLocalSocket socket;
    socket.connectToServer(channel);
    return socket.waitForConnected(1000);
}

// The program's open window, in this process: the window flow on the real dictionary and
// Hunspell's lemmas, answering hand-overs on the channel as runProgram wires it.
struct OpenWindow
{
    EmbeddedResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    HunspellLemmas lemmas;
    Module module;
    WindowFlow flow{module, {resources, messages, cursor, clipboard, browser}, &lemmas};
    SingleInstance instance;

    bool start()
    {
        if (instance.claim(encodeHandOff({})) != SingleInstance::Claim::Listening)
            return false;
        instance.setHandler([this](const QByteArray &request) {
            const auto handOff = decodeHandOff(request);
            return handOff && flow.handOff(*handOff);
        });
        QObject::connect(&flow, &WindowFlow::mainWindowDone, &instance, &SingleInstance::release);
        flow.start();
        return QTest::qWaitFor([this] { return entry() == QStringLiteral("à "); }, 5000);
    }
    QString entry() const
    {
        return flow.mainWindow() ? flow.mainWindow()->findChild<QComboBox *>(QStringLiteral("Cbo2"))->currentText() : QString();
    }
    QString lbl(const char *name) const
    {
        return flow.mainWindow()->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }
};

} // namespace

class StartWordTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void arguments_data();
    void arguments();
    void wordOfTheStart_data();
    void wordOfTheStart();
    void handOverToTheOpenWindow_data();
    void handOverToTheOpenWindow();
    void wordHandedOverWhileLoadingWaitsForTheMainWindow();
    void noHandOverOnceThePromotionWindowHasTakenOver();
    void staleSocketNeverBlocksAStart();
    void twoSimultaneousStartsEndWithOneWindow();

private:
    std::unique_ptr<QTemporaryDir> runtime_;
};

void StartWordTest::init()
{
    // Every start of this test, in this process and in the children, talks on a channel of
    // its own folder.
    runtime_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vk-XXXXXX"));
    QVERIFY(runtime_->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void StartWordTest::arguments_data()
{
    QTest::addColumn<QString>("shellArguments"); // through /bin/sh, for bytes that are not UTF-8
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usage = QStringLiteral("\nUsage : velkaron [MOT | --selection]\nEssayez « velkaron --help ».\n");
    // clang-format off
    QTest::newRow("help in French") << "--help" << 0 << "Usage : velkaron [MOT | --selection]\nLe dictionnaire" << QString();
    QTest::newRow("unknown option") << "--selectoin" << 2 << QString() << "velkaron : option inconnue « --selectoin »." + usage;
    QTest::newRow("word and selection") << "chat --selection" << 2 << QString() << "velkaron : un mot ou --selection, pas les deux." + usage;
    QTest::newRow("two words") << "chat chien" << 2 << QString()
                               << "velkaron : un seul mot à la fois (mettez une expression entre guillemets)." + usage;
    QTest::newRow("word not UTF-8") << "\"$(printf 'caf\\351')\"" << 2 << QString()
                                    << "velkaron : « caf\\xE9 » n'est pas de l'UTF-8 valide." + usage;
    // clang-format on
}

void StartWordTest::arguments()
{
    QFETCH(QString, shellArguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + shellArguments, Velkaron});
    const Run run = finish(process);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.startsWith(out) && (out.isEmpty() == run.out.isEmpty()), qPrintable(run.out));
    QCOMPARE(run.err, err);
}

void StartWordTest::wordOfTheStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<QString>>("selected");
    QTest::addColumn<std::optional<TextWord>>("word");
    QTest::addColumn<int>("selectionReads");

    const std::optional<QString> none;
    // clang-format off
    QTest::newRow("argument as typed") << QStringList{QStringLiteral("« chat »")} << std::optional(QStringLiteral("x"))
                                       << std::optional(TextWord{QStringLiteral("« chat »"), {}}) << 0;
    QTest::newRow("no argument") << QStringList{} << std::optional(QStringLiteral("chat")) << std::optional<TextWord>() << 0;
    QTest::newRow("selection cleaned") << QStringList{QStringLiteral("--selection")} << std::optional(QStringLiteral(" « l’arbre », "))
                                       << std::optional(TextWord{QStringLiteral("l’arbre"), QStringLiteral("arbre")}) << 1;
    QTest::newRow("selection of punctuation only") << QStringList{QStringLiteral("--selection")} << std::optional(QStringLiteral("…!?"))
                                                   << std::optional<TextWord>() << 1;
    QTest::newRow("nothing selected, or an owner that did not answer") << QStringList{QStringLiteral("--selection")} << none
                                                                       << std::optional<TextWord>() << 1;
    // clang-format on
}

void StartWordTest::wordOfTheStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<QString>, selected);
    QFETCH(std::optional<TextWord>, word);
    QFETCH(int, selectionReads);
    QList<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.append(argument.toUtf8());
    FakeSelectionReader selection;
    selection.text = selected;
    QCOMPARE(startWord(StartArguments::parse(bytes), selection), word);
    QCOMPARE(selection.reads, selectionReads);
}

void StartWordTest::handOverToTheOpenWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("searched"); // empty: no search, the start-up text stays

    QTest::newRow("word") << QStringList{QStringLiteral("chat")} << QStringLiteral("chat");
    QTest::newRow("locution") << QStringList{QStringLiteral("à cheval")} << QStringLiteral("à cheval");
    QTest::newRow("inflected word, real lemma") << QStringList{QStringLiteral("chevaux")} << QStringLiteral("cheval");
    QTest::newRow("word without entry") << QStringList{QStringLiteral("xyzzy")} << QStringLiteral("xyzzy");
    QTest::newRow("word of 10,000 characters") << QStringList{QString(10000, u'é')} << QString(10000, u'é');
    QTest::newRow("no word") << QStringList{} << QString();
    QTest::newRow("nothing selected") << QStringList{QStringLiteral("--selection")} << QString();
}

void StartWordTest::handOverToTheOpenWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, searched);
    OpenWindow open;
    QVERIFY(open.start());

    QElapsedTimer clock;
    clock.start();
    auto second = startVelkaron(arguments);
    const Run run = finish(*second);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    if (searched.isEmpty()) {
        QCOMPARE(open.entry(), QStringLiteral("à "));
        QCOMPARE(open.lbl("Lbl4"), QString());
    } else {
        // The open window searched before it answered: the second start is over when the
        // results are shown.
        qInfo("hand-over to results shown: %lld ms", clock.elapsed());
        QCOMPARE(open.entry(), searched);
        QCOMPARE(open.lbl("Lbl4"), resultMessageFor(searched));
    }
    QVERIFY(open.flow.mainWindow()->isVisible());
}

void StartWordTest::wordHandedOverWhileLoadingWaitsForTheMainWindow()
{
    OpenWindow open;
    open.flow.start({TextWord{QStringLiteral("chat"), {}}});
    QVERIFY(!open.flow.mainWindow());
    QVERIFY(open.flow.handOff({TextWord{QStringLiteral("l'arbre"), QStringLiteral("arbre")}}));
    QVERIFY(open.flow.handOff({})); // no word: the one waiting stays
    QVERIFY(QTest::qWaitFor([&] { return open.entry() == QStringLiteral("arbre"); }, 5000));
    QCOMPARE(open.lbl("Lbl4"), resultMessageFor(QStringLiteral("arbre")));
    // The word replaced the start-up text for good.
    QTest::qWait(300);
    QCOMPARE(open.entry(), QStringLiteral("arbre"));
}

void StartWordTest::noHandOverOnceThePromotionWindowHasTakenOver()
{
    OpenWindow open;
    QVERIFY(open.start());
    const QString channel = SingleInstance::channelName();
    QVERIFY(listening(channel));
    QTest::mouseClick(open.flow.mainWindow()->findChild<ChameleonButton *>(QStringLiteral("CmdQ")), Qt::LeftButton);
    QVERIFY(open.flow.promotionWindow());
    QVERIFY(!open.flow.handOff({TextWord{QStringLiteral("chat"), {}}}));
    QVERIFY(QTest::qWaitFor([&] { return !listening(channel); }, 2000));
}

void StartWordTest::staleSocketNeverBlocksAStart()
{
    leaveStaleSocket(SingleInstance::channelName());
    OpenWindow open;
    QVERIFY(open.start()); // listening where the dead one was
    auto second = startVelkaron({QStringLiteral("chat")});
    QCOMPARE(finish(*second).exitCode, 0);
    QCOMPARE(open.entry(), QStringLiteral("chat"));
}

void StartWordTest::twoSimultaneousStartsEndWithOneWindow()
{
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<QProcess> starts[] = {startVelkaron({QStringLiteral("chat")}), startVelkaron({QStringLiteral("chien")})};
        // One hands its word over and ends; the other keeps its window.
        QVERIFY(QTest::qWaitFor([&] { return starts[0]->state() == QProcess::NotRunning || starts[1]->state() == QProcess::NotRunning; },
                                20000));
        const int ended = starts[0]->state() == QProcess::NotRunning ? 0 : 1;
        QCOMPARE(finish(*starts[ended]).exitCode, 0);
        QProcess &window = *starts[1 - ended];
        QCOMPARE(window.state(), QProcess::Running);
        // That window takes a third start's word.
        auto third = startVelkaron({QStringLiteral("maison")});
        QCOMPARE(finish(*third).exitCode, 0);
        QCOMPARE(window.state(), QProcess::Running);
        window.kill(); // leaves its socket behind: the next round starts over a stale one
        window.waitForFinished();
    }
}

QTEST_MAIN(StartWordTest)
#include "start_word_test.moc"
