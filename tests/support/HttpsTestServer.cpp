#include "HttpsTestServer.h"

#include "FirmwareDownloader.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

#include <memory>

HttpsTestServer::HttpsTestServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, &HttpsTestServer::onConnection);
}

bool HttpsTestServer::start()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString keyPath = m_dir.filePath(QStringLiteral("key.pem"));
    const QString certPath = m_dir.filePath(QStringLiteral("cert.pem"));
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                   "-keyout", keyPath, "-out", certPath, "-days", "2", "-subj", "/CN=127.0.0.1",
                   "-addext", "subjectAltName=IP:127.0.0.1"});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAll());
        return false;
    }

    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read the certificate");
        return false;
    }
    m_certificate = QSslCertificate(&certFile, QSsl::Pem);
    m_key = QSslKey(&keyFile, QSsl::Ec, QSsl::Pem);
    if (m_certificate.isNull() || m_key.isNull()) {
        m_error = QStringLiteral("certificate or key did not load");
        return false;
    }

    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(m_certificate);
    configuration.setPrivateKey(m_key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_server.setSslConfiguration(configuration);
    if (!m_server.listen(QHostAddress::LocalHost)) {
        m_error = m_server.errorString();
        return false;
    }
    return true;
}

QString HttpsTestServer::authority() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

QUrl HttpsTestServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("https://%1%2").arg(authority(), path));
}

void HttpsTestServer::setResponse(const QString &path, const Response &response)
{
    m_responses.insert(path, response);
}

void HttpsTestServer::trustInThisProcess() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(m_certificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

bool HttpsTestServer::startAsUpdateServer(const QString &applicationName)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(applicationName);
    if (!start())
        return false;
    trustInThisProcess();
    qputenv(FirmwareDownloader::kUpdateServerVariable, authority().toLatin1());
    return true;
}

void HttpsTestServer::onConnection()
{
    while (QTcpSocket *pending = m_server.nextPendingConnection()) {
        auto *socket = qobject_cast<QSslSocket *>(pending);
        if (!socket) {
            pending->deleteLater();
            continue;
        }
        connect(socket, &QSslSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void HttpsTestServer::onReadyRead(QSslSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);

    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requests.append(path);

    const Response response = m_responses.value(path, Response{404, QByteArray("not found"), 0});
    const bool repeated = response.repeatedSize > 0 && !response.body.isEmpty();
    const qint64 length = repeated ? response.repeatedSize : response.body.size();
    const QByteArray reason = response.status == 200 ? "OK" : response.status == 404 ? "Not Found" : "Error";
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " " + reason + "\r\n";
    reply += "Content-Type: application/octet-stream\r\n";
    if (response.announceLength)
        reply += "Content-Length: " + QByteArray::number(length) + "\r\n";
    reply += "Connection: close\r\n\r\n";
    if (!repeated)
        reply += response.body;

    QTimer::singleShot(response.delayMs, socket, [this, socket, reply, repeated, response, length] {
        socket->write(reply);
        if (repeated)
            feed(socket, response.body, length);
        else
            socket->disconnectFromHost();
    });
}

void HttpsTestServer::feed(QSslSocket *socket, const QByteArray &pattern, qint64 left)
{
    // A few hundred KiB in flight at a time; the rest follows as it drains.
    constexpr qint64 kInFlight = 256 * 1024;
    QByteArray chunk;
    while (chunk.size() < kInFlight && left > 0) {
        const qint64 take = qMin<qint64>(left, pattern.size());
        chunk.append(pattern.constData(), take);
        left -= take;
    }
    socket->write(chunk);
    if (left == 0) {
        socket->disconnectFromHost();
        return;
    }
    // One connection per socket: the next piece goes once this one is out.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(socket, &QSslSocket::encryptedBytesWritten, socket, [this, socket, pattern, left, connection] {
        if (socket->encryptedBytesToWrite() + socket->bytesToWrite() > 0)
            return;
        disconnect(*connection);
        feed(socket, pattern, left);
    });
}
