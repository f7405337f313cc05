#include "FirmwareDownloader.h"

#include "Firmware.h"
#include "FirmwareLogging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <optional>
#include <utility>

namespace {

// Which request a reply answers. The manager's finished signal follows the
// last request started, so a reply of the other kind that is still running
// is handed over to its own handler.
const char *const kRequestKind = "firmwareRequestKind";
enum RequestKind { IndexRequest = 1, PackageRequest = 2 };
// Set on a reply that was cut off for its size: the text to report.
const char *const kRefusedText = "firmwareRefusedText";

RequestKind requestKind(const QNetworkReply *reply, RequestKind fallback)
{
    const QVariant kind = reply->property(kRequestKind);
    return kind.isValid() ? static_cast<RequestKind>(kind.toInt()) : fallback;
}

// "major.minor[.anything]": the first two parts as decimal numbers (a part
// that is no number counts 0); fewer than two parts is no version.
std::optional<QVersionNumber> parseVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return std::nullopt;
    return QVersionNumber(parts.at(0).toInt(), parts.at(1).toInt());
}

std::optional<FirmwareType> parseType(const QString &text)
{
    if (text == QLatin1String("main"))
        return FirmwareType::Main;
    if (text == QLatin1String("bootloader"))
        return FirmwareType::Bootloader;
    if (text == QLatin1String("esc"))
        return FirmwareType::Esc;
    return std::nullopt;
}

} // namespace

QUrl FirmwareDownloader::indexUrl()
{
    QString server = qEnvironmentVariable(kUpdateServerVariable).trimmed();
    if (server.isEmpty())
        server = QString::fromLatin1(kDefaultUpdateServer);
    return QUrl(QStringLiteral("https://%1/upd-fw.json").arg(server));
}

FirmwareDownloader::FirmwareDownloader(QObject *parent)
    : QObject(parent)
    , m_manager(this)
{
    qRegisterMetaType<Firmware *>();
    // A certificate that does not verify ends the request; the reply then
    // finishes with an error and is reported like any failed request.
    connect(&m_manager, &QNetworkAccessManager::sslErrors, this,
            [](QNetworkReply *reply, const QList<QSslError> &errors) {
                for (const QSslError &e : errors)
                    qCWarning(lcFwDownload) << "TLS error:" << e.errorString() << reply->url().host();
                reply->abort();
            });
}

void FirmwareDownloader::refresh()
{
    if (m_indexState == IndexRequested)
        return;
    m_indexState = IndexRequested;
    m_firmwareList.clear();

    disconnect(&m_manager, &QNetworkAccessManager::finished, this, &FirmwareDownloader::downloadRequestFinished);
    connect(&m_manager, &QNetworkAccessManager::finished, this, &FirmwareDownloader::refreshRequestFinished,
            Qt::UniqueConnection);
    QNetworkReply *reply = m_manager.get(QNetworkRequest(indexUrl()));
    reply->setProperty(kRequestKind, IndexRequest);
    limitSize(reply, kMaxIndexSize);
}

void FirmwareDownloader::download(const FirmwareInfo &info, QObject *requester)
{
    m_currentDownload = info;

    disconnect(&m_manager, &QNetworkAccessManager::finished, this, &FirmwareDownloader::refreshRequestFinished);
    connect(&m_manager, &QNetworkAccessManager::finished, this, &FirmwareDownloader::downloadRequestFinished,
            Qt::UniqueConnection);
    QNetworkReply *reply = m_manager.get(QNetworkRequest(QUrl(info.url, QUrl::TolerantMode)));
    reply->setProperty(kRequestKind, PackageRequest);
    m_downloads.insert(reply, PendingDownload{info, requester, requester != nullptr});
    limitSize(reply, Firmware::kMaxPackageSize);
}

void FirmwareDownloader::limitSize(QNetworkReply *reply, qint64 limit)
{
    // The body is taken as it arrives, and the network layer holds little
    // of it before that: a body that does not announce its length is cut
    // off one byte past the limit, whatever the server goes on sending.
    reply->setReadBufferSize(kReadBufferSize);
    const auto refuse = [reply, limit](qint64 size) {
        if (size <= limit || reply->property(kRefusedText).isValid())
            return;
        const bool index = reply->property(kRequestKind).toInt() == IndexRequest;
        qCWarning(lcFwDownload) << (index ? "update index" : "package") << "cut off at" << size << "bytes, limit"
                                << limit;
        reply->setProperty(kRefusedText,
                           index ? tr("Update index refused: the server sent more than %1 bytes.").arg(limit)
                                 : tr("Firmware file refused: the server sent more than %1 bytes.").arg(limit));
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, refuse] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            refuse(length.toLongLong());
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, limit, refuse] {
        if (reply->property(kRefusedText).isValid())
            return;
        QByteArray &body = m_bodies[reply];
        body += reply->read(limit + 1 - body.size());
        refuse(body.size());
    });
}

QByteArray FirmwareDownloader::takeBody(QNetworkReply *reply, qint64 limit)
{
    QByteArray body = m_bodies.take(reply);
    if (body.size() <= limit)
        body += reply->read(limit + 1 - body.size());
    return body;
}

void FirmwareDownloader::fail(const QString &text)
{
    m_errorString = text;
    qCWarning(lcFwDownload).noquote() << text;
    emit error();
}

void FirmwareDownloader::failIndex(const QString &text)
{
    m_indexState = NoIndex;
    fail(text);
    emit refreshFailed();
}

void FirmwareDownloader::failDownload(QNetworkReply *reply, const QString &text)
{
    const PendingDownload pending = m_downloads.take(reply);
    fail(text);
    emit downloadFailed(text, pending.requester);
}

void FirmwareDownloader::refreshRequestFinished(QNetworkReply *reply)
{
    if (requestKind(reply, IndexRequest) != IndexRequest) {
        downloadRequestFinished(reply);
        return;
    }
    reply->deleteLater();
    QByteArray body = takeBody(reply, kMaxIndexSize);

    if (const QVariant refused = reply->property(kRefusedText); refused.isValid()) {
        failIndex(refused.toString());
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        failIndex(reply->errorString());
        return;
    }
    if (body.size() > kMaxIndexSize) {
        failIndex(tr("Update index refused: the server sent more than %1 bytes.").arg(kMaxIndexSize));
        return;
    }

    // The index is logged by its size and entry count: its body may be
    // anything a server sends.
    m_lastReply = std::move(body);
    qCDebug(lcFwDownload).noquote() << QStringLiteral("response: ") + QString::number(m_lastReply.size());

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(m_lastReply, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        failIndex(QStringLiteral("Error parsing update firmware info: %1").arg(parseError.errorString()));
        return;
    }
    if (!document.isArray()) {
        failIndex(tr("Incorrect remote data format.\nExpected array."));
        return;
    }
    const QJsonArray array = document.array();
    if (array.isEmpty()) {
        failIndex(tr("Incorrect remote data. No firmware info received"));
        return;
    }
    qCDebug(lcFwDownload) << "entries:" << array.size();
    if (array.size() > kMaxIndexEntries) {
        failIndex(tr("Update index refused: %1 entries, more than %2.").arg(array.size()).arg(kMaxIndexEntries));
        return;
    }

    parseIndex(array);
    qCDebug(lcFwDownload) << "Loaded" << m_firmwareList.size();
    m_indexState = IndexLoaded;
    emit refreshFinished();
}

void FirmwareDownloader::parseIndex(const QJsonArray &array)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        qCDebug(lcFwDownload) << "Parsing remote firmware data" << i;
        const QJsonObject object = array.at(i).toObject();
        if (object.isEmpty()) {
            qCWarning(lcFwDownload) << "Failed to parse data. Empty Object";
            continue;
        }

        FirmwareInfo info;
        const QString typeText = object.value(QLatin1String("firmware_type")).toString();
        const std::optional<FirmwareType> type = parseType(typeText);
        if (!type) {
            qCWarning(lcFwDownload) << "Failed to parse data. Incorrect firmware type:" << typeText;
            continue;
        }
        info.type = *type;
        info.description = object.value(QLatin1String("description")).toString().trimmed();
        info.name = object.value(QLatin1String("name")).toString();
        info.url = object.value(QLatin1String("url")).toString();
        info.hash = QByteArray::fromHex(object.value(QLatin1String("hash")).toString().toLatin1());

        const auto readVersion = [&object](const char *key, const char *failure, QVersionNumber &version) {
            const QString text = object.value(QLatin1String(key)).toString();
            const std::optional<QVersionNumber> parsed = parseVersion(text);
            if (!parsed)
                qCWarning(lcFwDownload) << failure << text;
            version = parsed.value_or(QVersionNumber());
            return parsed.has_value();
        };
        if (!readVersion("hardware_version", "Failed to parse data. Incorrect hardware version", info.hardwareVersion)
            || !readVersion("firmware_version", "Failed to parse data. Incorrect firmware version",
                            info.firmwareVersion))
            continue;

        const QString dateText = object.value(QLatin1String("firmware_date")).toString();
        const QDate date = QDate::fromString(dateText, QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid()) {
            qCWarning(lcFwDownload) << "Failed to parse data. Incorrect firmware date" << dateText;
            continue;
        }
        info.date = QDateTime(date, QTime(0, 0));

        m_firmwareList.append(info);
    }
}

void FirmwareDownloader::downloadRequestFinished(QNetworkReply *reply)
{
    if (requestKind(reply, PackageRequest) != PackageRequest) {
        refreshRequestFinished(reply);
        return;
    }
    reply->deleteLater();
    const QByteArray body = takeBody(reply, Firmware::kMaxPackageSize);
    // A reply without a record of its own (handed in directly) is checked
    // against the entry last asked for.
    const PendingDownload pending = m_downloads.value(reply, PendingDownload{m_currentDownload, nullptr, false});

    if (const QVariant refused = reply->property(kRefusedText); refused.isValid()) {
        failDownload(reply, refused.toString());
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        failDownload(reply, tr("Error loading firmware file: %1").arg(reply->errorString()));
        return;
    }
    if (body.size() > Firmware::kMaxPackageSize) {
        failDownload(reply, tr("Firmware file refused: the server sent more than %1 bytes.")
                                .arg(Firmware::kMaxPackageSize));
        return;
    }

    // The package lives in the cache only until it is loaded.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QTemporaryFile file(folder + QStringLiteral("/firmware-XXXXXX.zip"));
    const QString cannotSave = tr("Cannot save firmware file, please download it manually");
    if (!QDir().mkpath(folder) || !file.open()) {
        failDownload(reply, cannotSave);
        return;
    }
    qCDebug(lcFwDownload) << "saved at" << file.fileName();

    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != pending.info.hash) {
        failDownload(reply, tr("Firmware file corrupted, can't update"));
        return;
    }
    if (file.write(body) != body.size() || !file.flush()) {
        failDownload(reply, cannotSave);
        return;
    }
    file.close();

    auto *firmware = new Firmware(file.fileName());
    if (!firmware->isLoaded()) {
        failDownload(reply, firmware->statusText());
        delete firmware;
        return;
    }
    m_downloads.remove(reply);
    if (pending.hasRequester && !pending.requester) {
        qCDebug(lcFwDownload) << "the window that asked for" << pending.info.name << "is gone; package dropped";
        delete firmware;
        return;
    }
    emit downloadFinished(firmware, pending.requester);
}

void FirmwareDownloader::sslError(QNetworkReply *reply)
{
    m_indexState = NoIndex;
    m_errorString = reply->errorString();
    emit error();
}
