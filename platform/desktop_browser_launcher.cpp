#include "platform/desktop_browser_launcher.h"

#include "platform/desktop_default_application.h"
#include "platform/message_boxes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include <optional>

namespace velkaron {

namespace {

// One line, 18 bytes: the tags (the second with a backslash) in double quotes, CR LF.
// Nothing reads it back; only the file's type matters.
constexpr QByteArrayView ProbeContent = "\"<HTML> <\\HTML>\"\r\n";
static_assert(ProbeContent.size() == 18);

// The type of the probe's ".HTM" extension in the shared MIME database. Written down
// rather than asked of the database, which is an optional package for a fixed answer.
constexpr auto ProbeType = "text/html";

bool writeProbe(QTemporaryFile &probe)
{
    if (!probe.open())
        return false;
    // On Linux an open temporary file may have no name yet (O_TMPFILE); asking for its name
    // links it into the folder, where the probe has to be.
    if (probe.fileName().isEmpty())
        return false;
    const bool written = probe.write(ProbeContent.data(), ProbeContent.size()) == ProbeContent.size();
    probe.close();
    return written;
}

} // namespace

DesktopBrowserLauncher::DesktopBrowserLauncher(MessageBoxes &messages) : messages_(messages) {}

void DesktopBrowserLauncher::open(const QString &address, QWidget *owner)
{
    // QDir::tempPath() is empty when $TMPDIR names no existing folder: the probe would land
    // in the root folder.
    const QString folder = QDir::tempPath();
    // Removed by its destructor when this call ends, after any message has been closed.
    QTemporaryFile probe(folder + QStringLiteral("/Navprober-XXXXXX.HTM"));

    std::optional<DesktopCommand> command;
    if (QFileInfo(folder).isDir() && writeProbe(probe)) {
        if (const std::optional<QString> desktopFile =
                defaultDesktopFile(QString::fromLatin1(ProbeType), DesktopDirectories::fromEnvironment()))
            command = desktopFileCommand(*desktopFile, address);
    }
    if (!command) {
        messages_.exclamation(owner, QStringLiteral("Browser Not Found"), QStringLiteral("Could not your Browser"));
        return;
    }
    if (!QProcess::startDetached(command->program, command->arguments))
        messages_.exclamation(owner, QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"));
}

} // namespace velkaron
