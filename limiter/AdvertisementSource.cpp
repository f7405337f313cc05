#include "AdvertisementSource.h"

#include "BleBackend.h"
#include "QtAdvertisementSource.h"

#include <QMap>
#include <QMutex>

namespace {

using BackendSourceFactory = std::function<std::unique_ptr<AdvertisementSource>(BleBackend &)>;

struct Registry {
    QMutex mutex;
    QMap<QString, BackendSourceFactory> byBackend;
    AdvertisementSourceFactory override;

    Registry()
    {
        byBackend.insert(QStringLiteral("qt"), [](BleBackend &) { return std::make_unique<QtAdvertisementSource>(); });
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void registerAdvertisementSource(const QString &backendName, BackendSourceFactory factory)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.byBackend.insert(backendName.toLower(), std::move(factory));
}

AdvertisementSourceFactory advertisementSourceFactory()
{
    Registry &r = registry();
    {
        QMutexLocker lock(&r.mutex);
        if (r.override)
            return r.override;
    }
    BleBackend *backend = BleBackend::instance();
    QMutexLocker lock(&r.mutex);
    BackendSourceFactory factory = r.byBackend.value(backend->name().toLower());
    if (!factory)
        factory = r.byBackend.value(QStringLiteral("qt"));
    return [factory, backend] { return factory(*backend); };
}

void setAdvertisementSourceFactory(AdvertisementSourceFactory factory)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.override = std::move(factory);
}
