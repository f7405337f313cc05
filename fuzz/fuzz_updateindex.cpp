// What the update server answers for the update index, handed to the
// downloader as a finished network reply. (A package download is checked
// against the index's hash first; the package itself is fuzz_firmware's.)

#include "FuzzSupport.h"

#include "FirmwareDownloader.h"

#include <QNetworkReply>

#include <cstring>

namespace {

// A finished reply that carries the given body.
class CannedReply : public QNetworkReply
{
public:
    explicit CannedReply(const QByteArray &body) : m_body(body)
    {
        setOpenMode(QIODevice::ReadOnly);
        setFinished(true);
        setUrl(QUrl(QStringLiteral("https://update.invalid/upd-fw.json")));
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
    }

    void abort() override {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_body.size() - m_pos + QNetworkReply::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, qint64(m_body.size()) - m_pos);
        if (n <= 0)
            return -1;
        std::memcpy(data, m_body.constData() + m_pos, std::size_t(n));
        m_pos += n;
        return n;
    }

private:
    QByteArray m_body;
    qint64 m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));

    FirmwareDownloader downloader;
    downloader.refreshRequestFinished(new CannedReply(body));
    (void)downloader.firmwareList();
    // The reply is released with deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
