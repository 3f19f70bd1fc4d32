#pragma once
// One window per user and display session. A start first claims the channel of its session,
// a local socket (QLocalServer/QLocalSocket) named for the user and the display:
//
//   - when a running instance listens there, the start hands it its request (a few bytes,
//     see core/text_word.h) and learns whether it was accepted: accepted, the start is over;
//     refused (the running instance is leaving through its promotion window), or without a
//     reply, the start goes on with a window of its own;
//   - when nobody listens, the start becomes the instance that later starts hand their
//     requests to.
//
// The first start of a session binds the socket's file, which only one process can create.
// Later starts, finding it, go on under a lock file beside it, so two starts at the same
// moment end with one listening and the other handing over. A socket left behind by a
// crashed instance answers no connection: it is removed and listened on again. Every wait
// is bounded: a start never blocks for long on a running instance that does not answer.
//
// The channel: $XDG_RUNTIME_DIR/velkaron-DISPLAY.socket where that folder exists (it belongs
// to the user), else velkaron-UID-DISPLAY.socket in the temporary folder; DISPLAY is
// $WAYLAND_DISPLAY or $DISPLAY, reduced to letters, digits, ".", "_" and "-". On Windows, a
// named pipe named for the user and the session.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace velkaron {

class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    static constexpr int LockWait = 10000;  // ms, another start's claim
    static constexpr int ConnectWait = 1000; // ms
    static constexpr int ReplyWait = 5000;   // ms, the running instance's answer
    static constexpr qsizetype MaxRequest = 1 << 20;

    enum class Claim { HandedOver, Listening, Alone };

    // Answers a later start's request: true when accepted.
    using Handler = std::function<bool(const QByteArray &request)>;

    explicit SingleInstance(QString channel = channelName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    static QString channelName();

    // HandedOver: a running instance accepted `request`. Listening: this process is now the
    // one later starts talk to. Alone: neither (the channel could not be listened on); the
    // start goes on without hand-over.
    Claim claim(const QByteArray &request);

    void setHandler(Handler handler) { handler_ = std::move(handler); }

    // Stops listening: later starts open windows of their own.
    void release();

private:
    bool listen();
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);

    QString channel_;
    QLocalServer *server_ = nullptr;
    Handler handler_;
};

} // namespace velkaron
