#pragma once

#include "AdvertisementSource.h"

#include <QMetaObject>
#include <QPointer>

#include <memory>

class QThread;
class SimRadio;

// Advertisements from the simulated radio, for the advertisement scanner.
// While started, it scans on the radio (from the radio's thread) and hands
// every advertisement to the handler on a delivery thread of its own, as the
// platform's callback thread would; manufacturer entries keep their order.
// The radio's fast clock waits while an advertisement is on its way.
class SimAdvertisementSource : public AdvertisementSource
{
public:
    explicit SimAdvertisementSource(SimRadio *radio);
    ~SimAdvertisementSource() override;

    quint32 start(Handler handler) override;
    void stop() override;
    QString errorString() const override;

private:
    struct Scan;

    QPointer<SimRadio> m_radio;
    std::shared_ptr<Scan> m_scan;
    std::unique_ptr<QThread> m_deliveryThread;
    QObject *m_receiver = nullptr; // lives on the delivery thread
    QString m_errorString;
};
