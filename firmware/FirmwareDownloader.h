#pragma once

#include "FirmwareInfo.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class Firmware;
class QJsonArray;
class QNetworkReply;

// Fetches the update index "/upd-fw.json" from the update server over HTTPS,
// keeps its entries, and downloads, verifies and loads a chosen package.
// One downloader serves every device tab: each download carries its entry
// and the object that asked for it, so downloads of two tabs neither mix
// their packages nor check one against the other's hash.
class FirmwareDownloader : public QObject
{
    Q_OBJECT

public:
    enum IndexState : int32_t {
        NoIndex = 0,    // never requested, or the last request failed
        IndexRequested = 1,
        IndexLoaded = 2,
    };

    // The update server; GEARWARDEN_UPDATE_SERVER ("host" or "host:port")
    // points the program at another one.
    static constexpr const char *kDefaultUpdateServer = "update.velmora.example";
    static constexpr const char *kUpdateServerVariable = "GEARWARDEN_UPDATE_SERVER";
    static QUrl indexUrl();

    // Bounds of what the server may send, checked on the announced length
    // and on what has arrived, before anything is parsed: a reply that
    // passes one is cut off there. An index entry is some 300 bytes of JSON
    // and a maker lists each release for each hardware and type: tens to a
    // few hundred entries. 1 MiB holds over 3000 of them, the entry count is
    // bounded at 2048 (each one is logged as it is read). A package is
    // bounded by what a device's flash can take (Firmware::kMaxPackageSize).
    static constexpr qint64 kMaxIndexSize = 1 << 20;
    static constexpr qsizetype kMaxIndexEntries = 2048;

    explicit FirmwareDownloader(QObject *parent = nullptr);

    void refresh();
    // Downloads the entry's package. The package of a download with a
    // requester is that requester's alone (see downloadFinished); when the
    // requester is gone by then, the package is dropped.
    void download(const FirmwareInfo &info, QObject *requester = nullptr);

    QString errorString() const { return m_errorString; }
    QList<FirmwareInfo> firmwareList() const { return m_firmwareList; }
    int32_t indexState() const { return m_indexState; }

signals:
    // Any failure, the index's or a download's; the text is errorString().
    void error();
    void refreshFinished();
    // The index request failed (also signalled by error()).
    void refreshFailed();
    // A loaded package. It belongs to requester when the download named one
    // (a receiver takes it only when it is the requester), otherwise to the
    // receiver.
    void downloadFinished(Firmware *firmware, QObject *requester);
    // A download failed (also signalled by error()).
    void downloadFailed(const QString &message, QObject *requester);

public slots:
    void refreshRequestFinished(QNetworkReply *reply);
    void downloadRequestFinished(QNetworkReply *reply);
    void sslError(QNetworkReply *reply);

private:
    void fail(const QString &text);
    void failIndex(const QString &text);
    void failDownload(QNetworkReply *reply, const QString &text);
    void parseIndex(const QJsonArray &array);
    // Takes the reply's body as it arrives and cuts the reply off once it
    // announces or delivers more than limit.
    void limitSize(QNetworkReply *reply, qint64 limit);
    // What the reply delivered, at most limit + 1 bytes.
    QByteArray takeBody(QNetworkReply *reply, qint64 limit);

    // What the network layer holds of a reply before it is read.
    static constexpr qint64 kReadBufferSize = 64 * 1024;

    // What a package download was asked for.
    struct PendingDownload
    {
        FirmwareInfo info;
        QPointer<QObject> requester;
        bool hasRequester = false;
    };

    QNetworkAccessManager m_manager;
    QString m_errorString;
    QByteArray m_lastReply;
    int32_t m_indexState = NoIndex;
    FirmwareInfo m_currentDownload;
    QList<FirmwareInfo> m_firmwareList;
    QHash<QNetworkReply *, PendingDownload> m_downloads;
    // The bodies of the running replies, as far as they have arrived.
    QHash<QNetworkReply *, QByteArray> m_bodies;
};
