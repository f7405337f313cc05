#pragma once

#include "DeviceRecords.h"
#include "DeviceService.h"

// The log service: requests for the session numbers, a session or clearing
// the sessions, and what the device answers: the session numbers, the read
// status of a session and its data packets.
class LoggerService : public DeviceService
{
    Q_OBJECT
public:
    explicit LoggerService(QObject *parent);

    // Sent only while the service is discovered.
    void request(const QByteArray &request);

signals:
    // The set-up went through: every request and answer is possible.
    void loggerServiceDiscovered();
    void logDataReceived(QByteArray data);
    void logReadStatusReceived(s_LogReadStatus status);
    void logSessionNumberReceived(s_LogSessionNum sessionNumber);

protected:
    void setUpComplete() override;

private:
    // A record from the first bytes of a notified value, handed on with
    // signal; a shorter value is logged (tooShort and its length).
    template <typename Record>
    ServiceCharacteristic::Handler recordTo(void (LoggerService::*signal)(Record), const char *tooShort);
    template <typename Record>
    void recordNotified(const QByteArray &value, void (LoggerService::*signal)(Record), const char *tooShort);
    void requestWritten();

    ServiceCharacteristic *m_request = nullptr;
};
