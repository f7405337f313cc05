#pragma once

#include "FirmwareInfo.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

class Firmware;
class QJsonArray;
class QNetworkReply;

// Fetches the update index "/upd-fw.json" from the update server over HTTPS,
// keeps its entries, and downloads, verifies and loads a chosen package.
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

    explicit FirmwareDownloader(QObject *parent = nullptr);

    void refresh();
    void download(const FirmwareInfo &info);

    QString errorString() const { return m_errorString; }
    QList<FirmwareInfo> firmwareList() const { return m_firmwareList; }
    int32_t indexState() const { return m_indexState; }

signals:
    void error();
    void refreshFinished();
    // The receiver owns the package.
    void downloadFinished(Firmware *firmware);

public slots:
    void refreshRequestFinished(QNetworkReply *reply);
    void downloadRequestFinished(QNetworkReply *reply);
    void sslError(QNetworkReply *reply);

private:
    void fail(const QString &text);
    void failIndex(const QString &text);
    void parseIndex(const QJsonArray &array);

    QNetworkAccessManager m_manager;
    QString m_errorString;
    QByteArray m_lastReply;
    int32_t m_indexState = NoIndex;
    FirmwareInfo m_currentDownload;
    QList<FirmwareInfo> m_firmwareList;
};
