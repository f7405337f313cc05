#include "AdvertisementSource.h"

#include "QtAdvertisementSource.h"

#include <QMutex>

namespace {

struct FactoryHolder {
    QMutex mutex;
    AdvertisementSourceFactory factory;
};

FactoryHolder &factoryHolder()
{
    static FactoryHolder holder;
    return holder;
}

} // namespace

void setAdvertisementSourceFactory(AdvertisementSourceFactory factory)
{
    FactoryHolder &holder = factoryHolder();
    QMutexLocker lock(&holder.mutex);
    holder.factory = std::move(factory);
}

std::unique_ptr<AdvertisementSource> createAdvertisementSource()
{
    AdvertisementSourceFactory factory;
    {
        FactoryHolder &holder = factoryHolder();
        QMutexLocker lock(&holder.mutex);
        factory = holder.factory;
    }
    if (factory)
        return factory();
    return std::make_unique<QtAdvertisementSource>();
}
