#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// A small HTTPS server on loopback for the download tests. Its certificate is
// made with openssl when the server starts and is trusted by nobody unless a
// test calls trustInThisProcess().
class HttpsTestServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        int delayMs = 0;
        // Above 0: the body is `body` repeated up to this many bytes, made
        // as the client reads it, so a huge body costs the server nothing.
        qint64 repeatedSize = 0;
        // Whether the reply announces its length (Content-Length); without
        // it the body ends when the connection closes.
        bool announceLength = true;
    };

    explicit HttpsTestServer(QObject *parent = nullptr);

    // Makes the certificate and listens on 127.0.0.1; false (with the reason
    // in errorText()) when either fails.
    bool start();
    QString errorText() const { return m_error; }

    // "127.0.0.1:<port>", the form the update server variable takes.
    QString authority() const;
    QUrl url(const QString &path) const;

    void setResponse(const QString &path, const Response &response);
    void setResponse(const QString &path, const QByteArray &body) { setResponse(path, Response{200, body, 0}); }

    // The paths of the requests received, in order.
    QStringList requests() const { return m_requests; }

    QSslCertificate certificate() const { return m_certificate; }
    // Adds the certificate to the authorities of this process's default TLS
    // configuration (nothing outside the test process trusts it).
    void trustInThisProcess() const;

    // The update server of this test process: starts, is trusted and is
    // named by the update server variable; the process gets the program's
    // organization, the application name (so settings and cache are the
    // test's own) and the test mode of the standard paths.
    bool startAsUpdateServer(const QString &applicationName);

private:
    void onConnection();
    void onReadyRead(QSslSocket *socket);
    // Writes more of a repeated body once the socket has sent what it had.
    void feed(QSslSocket *socket, const QByteArray &pattern, qint64 left);

    QTemporaryDir m_dir;
    QSslServer m_server;
    QSslCertificate m_certificate;
    QSslKey m_key;
    QHash<QString, Response> m_responses;
    QStringList m_requests;
    QString m_error;
};

Q_DECLARE_METATYPE(HttpsTestServer::Response)
