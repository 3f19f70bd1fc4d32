#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velkaron {
namespace {

constexpr char Accepted = 'A';
constexpr char Refused = 'R';
constexpr int ServerReadWait = 3000; // ms for a client to send its request

#ifdef Q_OS_UNIX
// A plain bind, which fails when the socket's file exists (Qt's access options bind under
// another name and rename over whatever is there). The file is private all the same: it lies
// in the user's own runtime folder, and connecting needs write access, which the umask keeps.
constexpr QLocalServer::SocketOptions ListenOptions = QLocalServer::NoOptions;
#else
constexpr QLocalServer::SocketOptions ListenOptions = QLocalServer::UserAccessOption;
#endif

QByteArray frame(const QByteArray &payload)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

QString cleanedForName(QString text)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9._-]"));
    return text.replace(other, QStringLiteral("_")).left(40);
}

QString lockPath(const QString &channel)
{
    // A named pipe is no file: its lock goes to the temporary folder.
    if (QDir::isAbsolutePath(channel))
        return channel + QStringLiteral(".lock");
    return QDir::temp().filePath(channel + QStringLiteral(".lock"));
}

} // namespace

SingleInstance::SingleInstance(QString channel, QObject *parent) : QObject(parent), channel_(std::move(channel)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::channelName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QStringLiteral("console");
    display = cleanedForName(display);
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("velkaron-%1.socket").arg(display));
    return QDir::temp().filePath(QStringLiteral("velkaron-%1-%2.socket").arg(getuid()).arg(display));
#else
    return QStringLiteral("velkaron-%1-%2-%3")
        .arg(cleanedForName(qEnvironmentVariable("USERNAME")), cleanedForName(qEnvironmentVariable("SESSIONNAME")), display);
#endif
}

SingleInstance::Claim SingleInstance::claim(const QByteArray &request)
{
#ifdef Q_OS_UNIX
    // A plain listen binds the socket's file itself, which fails when the file exists: when
    // nobody has claimed the channel (the usual start) this process has it at once, without
    // the lock. (A named pipe on Windows can be listened on twice: there the lock comes first.)
    if (listen())
        return Claim::Listening;
#endif
    QLockFile lock(lockPath(channel_));
    // Without the lock (a folder we cannot write to, or a claim that hangs), go on: at worst
    // two windows, never a start that does not come.
    lock.tryLock(LockWait);

    for (int attempt = 0; attempt < 3; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(channel_);
        const bool connected = socket.waitForConnected(ConnectWait);
        if (connected) {
            socket.write(frame(request));
            if (socket.waitForBytesWritten(ConnectWait)) {
                while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(ReplyWait)) {
                }
                char reply = 0;
                if (socket.getChar(&reply) && reply == Accepted)
                    return Claim::HandedOver;
            }
            socket.abort();
        }
        // Nobody answers there (a socket left by a crashed instance), or the instance there
        // refused (it is leaving): the channel is ours. Under the lock, only a start that took
        // the quick way above can come between the removal and the listen; then its window
        // takes the request on the next attempt.
        QLocalServer::removeServer(channel_);
        if (listen())
            return Claim::Listening;
    }
    return Claim::Alone;
}

bool SingleInstance::listen()
{
    auto *server = new QLocalServer(this);
    server->setSocketOptions(ListenOptions);
    if (!server->listen(channel_)) {
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::release()
{
    if (!server_)
        return;
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = server_ ? server_->nextPendingConnection() : nullptr) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        // A client that never sends its request does not keep its socket for ever.
        QTimer::singleShot(ServerReadWait, socket, [socket] { socket->abort(); });
        onReadyRead(socket);
    }
}

void SingleInstance::onReadyRead(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    char header[4];
    socket->peek(header, 4);
    const quint32 length = qFromBigEndian<quint32>(header);
    if (length > quint32(MaxRequest)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < 4 + qint64(length))
        return;
    socket->skip(4);
    const QByteArray request = socket->read(length);
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    const bool accepted = handler_ && handler_(request);
    socket->putChar(accepted ? Accepted : Refused);
    socket->flush();
    socket->disconnectFromServer();
}

} // namespace velkaron
