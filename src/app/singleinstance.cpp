#include "singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryRun()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    m_lock = std::make_unique<QLockFile>(QDir(dir).filePath(m_key + u".lock"_s));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(100)) {
        QLocalSocket socket;
        socket.connectToServer(m_key);
        if (socket.waitForConnected(1000)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(m_key);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
    m_server->listen(m_key);
    return true;
}
