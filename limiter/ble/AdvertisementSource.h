#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// One received BLE advertisement, as the radio reports it.
struct Advertisement
{
    struct ManufacturerEntry
    {
        quint16 companyId = 0;
        QByteArray data;
    };

    quint64 address = 0; // 48-bit Bluetooth address
    qint16 rssi = 0;     // dBm; -127 means no valid reading
    // The advertised local name; empty when the name could not be read.
    std::optional<QString> localName;
    // Manufacturer data entries in the order they were advertised.
    QList<ManufacturerEntry> manufacturerData;
};

// A radio that listens for advertisements: the layer between the scanner and
// the platform. A source delivers every advertisement to the handler given
// to start(), on a thread of its own choice but always on the same one.
class AdvertisementSource
{
public:
    using Handler = std::function<void(const Advertisement &)>;

    // Result codes of start(): kStarted, or a failure with the high bit set.
    static constexpr quint32 kStarted = 0;
    static constexpr quint32 kFailure = 0x80000000u;

    virtual ~AdvertisementSource() = default;

    // Starts listening. Returns kStarted or a failure code; on failure
    // errorString() says why and no advertisement is delivered.
    virtual quint32 start(Handler handler) = 0;
    // Stops listening. No handler call runs or starts once this returns.
    virtual void stop() = 0;
    virtual QString errorString() const = 0;
};

// Makes a new, not yet started source (BleBackend::createAdvertisementSource
// of the backend in use, or a test's own).
using AdvertisementSourceFactory = std::function<std::unique_ptr<AdvertisementSource>()>;
