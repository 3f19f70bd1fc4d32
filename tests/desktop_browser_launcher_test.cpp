// The browser launch against a desktop of the test's own: HOME, the XDG folders and the
// temporary folder all point into a fresh temporary folder, and the "browser" is a shell
// script of the test that records the arguments it was started with. No real browser is
// ever started: the system's folders are out of sight.

#include "platform/desktop_browser_launcher.h"
#include "platform/message_boxes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace velkaron;

namespace {

const QByteArray ProbeContent = "\"<HTML> <\\HTML>\"\r\n";

struct Message
{
    QWidget *owner;
    QString title;
    QString text;
    QStringList probesAtThatTime; // contents of the probe files present while it was shown
};

// Records the exclamation boxes, and what probe files exist while each one is open.
class RecordingMessages final : public MessageBoxes
{
public:
    void information(QWidget *, const QString &, const QString &) override { qFatal("information box"); }
    void critical(QWidget *, const QString &, const QString &) override { qFatal("critical box"); }
    void exclamation(QWidget *owner, const QString &title, const QString &text) override
    {
        Message message{owner, title, text, {}};
        const QDir temp(QDir::tempPath());
        for (const QString &name : temp.entryList({QStringLiteral("Navprober-*.HTM")}, QDir::Files)) {
            QFile probe(temp.filePath(name));
            message.probesAtThatTime << QString::fromLatin1(probe.open(QIODevice::ReadOnly) ? probe.readAll() : "?");
        }
        shown.append(message);
    }

    QList<Message> shown;
};

const char *const EnvironmentNames[] = {"HOME",           "XDG_CONFIG_HOME", "XDG_DATA_HOME",      "XDG_CONFIG_DIRS",
                                        "XDG_DATA_DIRS", "TMPDIR",          "XDG_CURRENT_DESKTOP"};

} // namespace

class DesktopBrowserLauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addressArrivesAsOneUnchangedArgument_data();
    void addressArrivesAsOneUnchangedArgument();
    void execLineIsSplitWithoutAShell_data();
    void execLineIsSplitWithoutAShell();
    void findsTheDesktopsDefaultApplication_data();
    void findsTheDesktopsDefaultApplication();
    void noApplicationSaysBrowserNotFound_data();
    void noApplicationSaysBrowserNotFound();
    void applicationThatCannotStartSaysUrlFailed_data();
    void applicationThatCannotStartSaysUrlFailed();
    void probeThatCannotBeWrittenStartsNothing_data();
    void probeThatCannotBeWrittenStartsNothing();

private:
    QString path(const QString &relative) const { return desktop_->filePath(relative); }
    void writeFile(const QString &relative, const QString &content);
    // Writes files given as alternating relative paths and contents; "{record}" in a
    // content stands for the recording script, "{missing}" for a program that does not exist.
    void writeFiles(const QStringList &pathsAndContents);
    void installRecorder(const QString &exec = QStringLiteral("\"{record}\" %u"));
    QStringList recordedArguments() const;
    bool recorderRan() const { return QFile::exists(path(QStringLiteral("arguments"))); }
    QStringList leftoverProbes() const;
    // Opens the address, owned by a window of the test.
    void open(const QString &address);

    QList<std::pair<const char *, QByteArray>> savedEnvironment_;
    std::unique_ptr<QTemporaryDir> desktop_;
    RecordingMessages messages_;
    DesktopBrowserLauncher launcher_{messages_};
    QWidget owner_;
};

void DesktopBrowserLauncherTest::initTestCase()
{
    for (const char *name : EnvironmentNames)
        savedEnvironment_.append({name, qgetenv(name)});
}

void DesktopBrowserLauncherTest::init()
{
    desktop_ = std::make_unique<QTemporaryDir>();
    QVERIFY(desktop_->isValid());
    for (const char *folder : {"home", "config", "data/applications", "etc-xdg", "usr-share/applications", "tmp", "bin"})
        QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
    qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", path(QStringLiteral("etc-xdg")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", path(QStringLiteral("usr-share")).toLocal8Bit());
    qputenv("TMPDIR", path(QStringLiteral("tmp")).toLocal8Bit());
    qunsetenv("XDG_CURRENT_DESKTOP");

    // The browser of the fake desktop: writes its arguments, NUL-terminated, all at once.
    writeFile(QStringLiteral("bin/record"),
              QStringLiteral("#!/bin/sh\nout='%1'\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\"\n"
                             "mv \"$out.part\" \"$out\"\n")
                  .arg(path(QStringLiteral("arguments"))));
    QFile::setPermissions(path(QStringLiteral("bin/record")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    messages_.shown.clear();
}

void DesktopBrowserLauncherTest::cleanup()
{
    for (const auto &[name, value] : std::as_const(savedEnvironment_)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    // A folder left read-only by a failed check could not be removed.
    QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    desktop_.reset();
}

void DesktopBrowserLauncherTest::writeFile(const QString &relative, const QString &content)
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(content.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(relative));
}

void DesktopBrowserLauncherTest::writeFiles(const QStringList &pathsAndContents)
{
    for (qsizetype i = 0; i + 1 < pathsAndContents.size(); i += 2) {
        QString content = pathsAndContents[i + 1];
        content.replace(QStringLiteral("{record}"), path(QStringLiteral("bin/record")));
        content.replace(QStringLiteral("{missing}"), path(QStringLiteral("bin/not-there")));
        writeFile(pathsAndContents[i], content);
    }
}

void DesktopBrowserLauncherTest::installRecorder(const QString &exec)
{
    writeFiles({QStringLiteral("config/mimeapps.list"),
                QStringLiteral("[Default Applications]\ntext/html=recorder.desktop\n"),
                QStringLiteral("data/applications/recorder.desktop"),
                QStringLiteral("[Desktop Entry]\nType=Application\nName=Recorder\nExec=%1\n").arg(exec)});
}

QStringList DesktopBrowserLauncherTest::recordedArguments() const
{
    QFile file(path(QStringLiteral("arguments")));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(not started)")};
    QStringList arguments = QString::fromUtf8(file.readAll()).split(QChar(u'\0'));
    arguments.removeLast(); // after the last terminator
    return arguments;
}

QStringList DesktopBrowserLauncherTest::leftoverProbes() const
{
    return QDir(path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::Hidden);
}

void DesktopBrowserLauncherTest::open(const QString &address)
{
    launcher_.open(address, &owner_);
}

void DesktopBrowserLauncherTest::addressArrivesAsOneUnchangedArgument_data()
{
    QTest::addColumn<QString>("address");
    // clang-format off
    QTest::newRow("plain")             << QStringLiteral("https://velkaron.example/lettrovent/");
    QTest::newRow("leading dash")      << QStringLiteral("--help");
    QTest::newRow("leading dash, spaces") << QStringLiteral("-e touch PWNED");
    QTest::newRow("spaces")            << QStringLiteral("https://velkaron.example/a b  c ");
    QTest::newRow("quotes")            << QStringLiteral("https://velkaron.example/?q=\"x\"&r='y'");
    QTest::newRow("shell syntax")      << QStringLiteral("$(touch PWNED)`touch PWNED`;touch PWNED|cat&");
    QTest::newRow("field codes")       << QStringLiteral("https://velkaron.example/%u%U%%20%f");
    QTest::newRow("backslashes")       << QStringLiteral("a\\b\\\\c\\s");
    QTest::newRow("accents")           << QStringLiteral("https://velkaron.example/présentation");
    QTest::newRow("line breaks, tab")  << QStringLiteral("https://velkaron.example/a\nb\r\n\tc\n");
    QTest::newRow("emoji, right-to-left") << QStringLiteral("https://velkaron.example/😺/\u202Eשלום");
    QTest::newRow("100,000 characters") << QStringLiteral("https://velkaron.example/") + QString(100000 - 25, u'x');
    // clang-format on
}

void DesktopBrowserLauncherTest::addressArrivesAsOneUnchangedArgument()
{
    QFETCH(QString, address);
    installRecorder();
    open(address);
    QTRY_VERIFY_WITH_TIMEOUT(recorderRan(), 5000);
    QCOMPARE(recordedArguments(), QStringList{address});
    QCOMPARE(messages_.shown.size(), 0);
    QCOMPARE(leftoverProbes(), QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("PWNED")));
    QVERIFY(!QFile::exists(path(QStringLiteral("PWNED"))));
}

void DesktopBrowserLauncherTest::execLineIsSplitWithoutAShell_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("expected"); // "ADDRESS" stands for the address

    // clang-format off
    QTest::newRow("URL code")              << "{record} %u"                 << QStringList{"ADDRESS"};
    QTest::newRow("URL list code")         << "{record} %U"                 << QStringList{"ADDRESS"};
    QTest::newRow("file code, quoted program") << "\"{record}\" %f"         << QStringList{"ADDRESS"};
    QTest::newRow("options before the code") << "{record} --new-window %u"  << QStringList{"--new-window", "ADDRESS"};
    QTest::newRow("options after the code") << "{record} %u --private"      << QStringList{"ADDRESS", "--private"};
    QTest::newRow("no code: address last") << "{record} --open"             << QStringList{"--open", "ADDRESS"};
    QTest::newRow("other codes dropped")   << "{record} %i %c %k %u"        << QStringList{"ADDRESS"};
    QTest::newRow("quoted argument")       << "{record} \"two words\" %u"   << QStringList{"two words", "ADDRESS"};
    QTest::newRow("escaped quote")         << "{record} \"say \\\\\"hi\\\\\"\" %u" << QStringList{"say \"hi\"", "ADDRESS"};
    QTest::newRow("escaped space")         << "{record}\\s--flag %u"        << QStringList{"--flag", "ADDRESS"};
    QTest::newRow("percent sign")          << "{record} 100%% %u"           << QStringList{"100%", "ADDRESS"};
    QTest::newRow("dollar stays text")     << "{record} \"\\\\$HOME\" %u"   << QStringList{"$HOME", "ADDRESS"};
    // clang-format on
}

void DesktopBrowserLauncherTest::execLineIsSplitWithoutAShell()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, expected);
    const QString address = QStringLiteral("https://velkaron.example/");
    installRecorder(exec);
    open(address);
    QTRY_VERIFY_WITH_TIMEOUT(recorderRan(), 5000);
    expected.replaceInStrings(QStringLiteral("ADDRESS"), address);
    QCOMPARE(recordedArguments(), expected);
    QCOMPARE(messages_.shown.size(), 0);
}

void DesktopBrowserLauncherTest::findsTheDesktopsDefaultApplication_data()
{
    QTest::addColumn<QString>("currentDesktop");
    QTest::addColumn<QStringList>("files");

    const QString recorder = QStringLiteral("[Desktop Entry]\nType=Application\nExec={record} %u\n");
    const QString broken = QStringLiteral("[Desktop Entry]\nType=Application\nExec={missing} %u\n");
    auto defaultIs = [](const QString &ids) { return QStringLiteral("[Default Applications]\ntext/html=%1\n").arg(ids); };

    QTest::newRow("user list") << QString()
                               << QStringList{"config/mimeapps.list", defaultIs("rec.desktop"),
                                              "data/applications/rec.desktop", recorder};
    QTest::newRow("system list") << QString()
                                 << QStringList{"etc-xdg/mimeapps.list", defaultIs("rec.desktop"),
                                                "usr-share/applications/rec.desktop", recorder};
    QTest::newRow("list among the applications") << QString()
                                                 << QStringList{"data/applications/mimeapps.list", defaultIs("rec.desktop"),
                                                                "usr-share/applications/rec.desktop", recorder};
    QTest::newRow("older defaults.list") << QString()
                                         << QStringList{"usr-share/applications/defaults.list", defaultIs("rec.desktop"),
                                                        "usr-share/applications/rec.desktop", recorder};
    QTest::newRow("other groups and comments around")
        << QString()
        << QStringList{"config/mimeapps.list",
                       "# mine\n[Added Associations]\ntext/html=broken.desktop;\n\n[Default Applications]\n"
                       "text/plain=broken.desktop\ntext/html = rec.desktop ;\n",
                       "data/applications/rec.desktop", recorder, "data/applications/broken.desktop", broken};
    QTest::newRow("first default not installed")
        << QString()
        << QStringList{"config/mimeapps.list", defaultIs("gone.desktop;rec.desktop;"),
                       "data/applications/rec.desktop", recorder};
    QTest::newRow("user default before system default")
        << QString()
        << QStringList{"config/mimeapps.list", defaultIs("rec.desktop"), "etc-xdg/mimeapps.list",
                       defaultIs("broken.desktop"), "usr-share/applications/rec.desktop", recorder,
                       "usr-share/applications/broken.desktop", broken};
    QTest::newRow("user's copy of a desktop file wins")
        << QString()
        << QStringList{"config/mimeapps.list", defaultIs("rec.desktop"), "data/applications/rec.desktop", recorder,
                       "usr-share/applications/rec.desktop", broken};
    QTest::newRow("desktop's own list first")
        << QStringLiteral("Other:Test")
        << QStringList{"config/test-mimeapps.list", defaultIs("rec.desktop"), "config/mimeapps.list",
                       defaultIs("broken.desktop"), "data/applications/rec.desktop", recorder,
                       "data/applications/broken.desktop", broken};
    QTest::newRow("vendor subfolder") << QString()
                                      << QStringList{"config/mimeapps.list", defaultIs("vendor-rec.desktop"),
                                                     "usr-share/applications/vendor/rec.desktop", recorder};
    QTest::newRow("added association, no default")
        << QString()
        << QStringList{"etc-xdg/mimeapps.list", "[Added Associations]\ntext/html=rec.desktop;\n",
                       "usr-share/applications/rec.desktop", recorder};
    QTest::newRow("installed applications cache")
        << QString()
        << QStringList{"usr-share/applications/mimeinfo.cache",
                       "[MIME Cache]\ntext/plain=broken.desktop;\ntext/html=rec.desktop;broken.desktop;\n",
                       "usr-share/applications/rec.desktop", recorder, "usr-share/applications/broken.desktop", broken};
}

void DesktopBrowserLauncherTest::findsTheDesktopsDefaultApplication()
{
    QFETCH(QString, currentDesktop);
    QFETCH(QStringList, files);
    if (!currentDesktop.isEmpty())
        qputenv("XDG_CURRENT_DESKTOP", currentDesktop.toLocal8Bit());
    writeFiles(files);
    open(QStringLiteral("https://velkaron.example/"));
    QCOMPARE(messages_.shown.size(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(recorderRan(), 5000);
    QCOMPARE(recordedArguments(), QStringList{QStringLiteral("https://velkaron.example/")});
}

void DesktopBrowserLauncherTest::noApplicationSaysBrowserNotFound_data()
{
    QTest::addColumn<QStringList>("files");
    const QString defaultRec = QStringLiteral("[Default Applications]\ntext/html=rec.desktop\n");

    QTest::newRow("nothing registered") << QStringList();
    QTest::newRow("registered for another type")
        << QStringList{"config/mimeapps.list", "[Default Applications]\ntext/plain=rec.desktop\n",
                       "data/applications/rec.desktop", "[Desktop Entry]\nExec={record} %u\n"};
    QTest::newRow("desktop file missing") << QStringList{"config/mimeapps.list", defaultRec};
    QTest::newRow("desktop file hidden")
        << QStringList{"config/mimeapps.list", defaultRec, "data/applications/rec.desktop",
                       "[Desktop Entry]\nHidden=true\nExec={record} %u\n"};
    QTest::newRow("no Exec line") << QStringList{"config/mimeapps.list", defaultRec, "data/applications/rec.desktop",
                                                 "[Desktop Entry]\nName=Recorder\n"};
    QTest::newRow("Exec in another group")
        << QStringList{"config/mimeapps.list", defaultRec, "data/applications/rec.desktop",
                       "[Desktop Entry]\nName=Recorder\n[Desktop Action new]\nExec={record} %u\n"};
    QTest::newRow("Exec with an open quote") << QStringList{"config/mimeapps.list", defaultRec,
                                                            "data/applications/rec.desktop",
                                                            "[Desktop Entry]\nExec=\"{record} %u\n"};
    QTest::newRow("Exec is a field code") << QStringList{"config/mimeapps.list", defaultRec,
                                                         "data/applications/rec.desktop", "[Desktop Entry]\nExec=%u\n"};
    QTest::newRow("association removed by the user")
        << QStringList{"config/mimeapps.list", "[Removed Associations]\ntext/html=rec.desktop;\n",
                       "usr-share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=rec.desktop;\n",
                       "usr-share/applications/rec.desktop", "[Desktop Entry]\nExec={record} %u\n"};
}

void DesktopBrowserLauncherTest::noApplicationSaysBrowserNotFound()
{
    QFETCH(QStringList, files);
    writeFiles(files);
    open(QStringLiteral("https://velkaron.example/"));

    QCOMPARE(messages_.shown.size(), 1);
    const Message &message = messages_.shown.front();
    QCOMPARE(message.owner, &owner_);
    QCOMPARE(message.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(message.text, QStringLiteral("Could not your Browser"));
    // The probe, its one line, was there while the message was open; gone after.
    QCOMPARE(message.probesAtThatTime, QStringList{QString::fromLatin1(ProbeContent)});
    QCOMPARE(ProbeContent.size(), 18);
    QCOMPARE(leftoverProbes(), QStringList());
    QTest::qWait(300);
    QVERIFY(!recorderRan());
}

void DesktopBrowserLauncherTest::applicationThatCannotStartSaysUrlFailed_data()
{
    QTest::addColumn<QString>("exec");
    QTest::newRow("program missing") << QStringLiteral("{missing} %u");
    QTest::newRow("program not on the PATH") << QStringLiteral("velkaron-no-such-browser %u");
    QTest::newRow("not executable") << QStringLiteral("{plain} %u");
    QTest::newRow("a folder") << QStringLiteral("{folder} %u");
}

void DesktopBrowserLauncherTest::applicationThatCannotStartSaysUrlFailed()
{
    QFETCH(QString, exec);
    writeFile(QStringLiteral("bin/plain"), QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(path(QStringLiteral("arguments"))));
    QFile::setPermissions(path(QStringLiteral("bin/plain")), QFile::ReadOwner | QFile::WriteOwner);
    exec.replace(QStringLiteral("{plain}"), path(QStringLiteral("bin/plain")));
    exec.replace(QStringLiteral("{folder}"), path(QStringLiteral("bin")));
    installRecorder(exec);
    open(QStringLiteral("https://velkaron.example/"));

    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.front().owner, &owner_);
    QCOMPARE(messages_.shown.front().title, QStringLiteral("URL Failed"));
    QCOMPARE(messages_.shown.front().text, QStringLiteral("Web Page not Opened"));
    QCOMPARE(messages_.shown.front().probesAtThatTime.size(), 1);
    QCOMPARE(leftoverProbes(), QStringList());
    QTest::qWait(300);
    QVERIFY(!recorderRan());
}

void DesktopBrowserLauncherTest::probeThatCannotBeWrittenStartsNothing_data()
{
    QTest::addColumn<QString>("tempFolder");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("missing folder") << QStringLiteral("no-such-folder") << false;
    QTest::newRow("a file, not a folder") << QStringLiteral("bin/record") << false;
    QTest::newRow("read-only folder") << QStringLiteral("locked") << true;
}

void DesktopBrowserLauncherTest::probeThatCannotBeWrittenStartsNothing()
{
    QFETCH(QString, tempFolder);
    QFETCH(bool, readOnly);
    installRecorder();
    if (readOnly) {
        QVERIFY(QDir().mkpath(path(tempFolder)));
        QFile::setPermissions(path(tempFolder), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile probe(path(tempFolder + QStringLiteral("/w"))); probe.open(QIODevice::WriteOnly))
            QSKIP("this user writes into read-only folders (root)");
    }
    qputenv("TMPDIR", path(tempFolder).toLocal8Bit());
    open(QStringLiteral("https://velkaron.example/"));

    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.front().title, QStringLiteral("Browser Not Found"));
    QCOMPARE(messages_.shown.front().text, QStringLiteral("Could not your Browser"));
    QTest::qWait(300);
    QVERIFY(!recorderRan());
}

QTEST_MAIN(DesktopBrowserLauncherTest)
#include "desktop_browser_launcher_test.moc"
