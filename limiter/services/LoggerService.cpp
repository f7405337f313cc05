#include "LoggerService.h"

#include "BleService.h"
#include "DeviceProtocol.h"
#include "LinkDiagnostics.h"

#include <QDebug>

using namespace DeviceProtocol;

template <typename Record>
void LoggerService::recordNotified(const QByteArray &value, void (LoggerService::*signal)(Record), const char *tooShort)
{
    Record record{};
    if (recordFromBytes(value, record))
        emit(this->*signal)(record);
    else
        qCWarning(lcDevice) << tooShort << value.size();
}

template <typename Record>
ServiceCharacteristic::Handler LoggerService::recordTo(void (LoggerService::*signal)(Record), const char *tooShort)
{
    return [this, signal, tooShort](const QByteArray &value) { recordNotified(value, signal, tooShort); };
}

void LoggerService::requestWritten()
{
    qCDebug(lcDevice) << "Log read request written";
}

LoggerService::LoggerService(QObject *parent)
    : DeviceService(logServiceUuid(), {nullptr, "state changed", "Log service discovered"}, SetUp::StopsAtAMissingPiece,
                    parent)
{
    add(logUuid(kLogDataId))
        .subscribe(enableNotifications())
        .ifMissing({"LOG DATA failed to get characteristic ", true})
        .ifCccdMissing({"LOG DATA failed to get notify descriptor ", true})
        .onValue([this](const QByteArray &value) { emit logDataReceived(value); });
    m_request = &add(logUuid(kLogReadRequestId))
                     .ifMissing({"LOG READ REQ failed to get characteristic"})
                     .onWritten([this](const QByteArray &) { requestWritten(); });
    add(logUuid(kLogSessionNumberId))
        .subscribe(enableNotifications())
        .ifMissing({"LOG SESSION NUMBER failed to get characteristic"})
        .ifCccdMissing({"LOG SESSION NUMBER failed to get notify descriptor for BLE_UUID_LOGDATA_SESSIONNUM_CHARACTERISTIC"})
        .onValue(recordTo(&LoggerService::logSessionNumberReceived, "log session number too short:"));
    add(logUuid(kLogReadStatusId))
        .subscribe(enableNotifications())
        .ifMissing({"LOG READ STATUS failed to get characteristic"})
        .ifCccdMissing({"LOG READ STATUS failed to get notify descriptor for BLE_UUID_LOGDATA_READ_STATUS_UUID"})
        .onValue(recordTo(&LoggerService::logReadStatusReceived, "log read status too short:"));
}

void LoggerService::request(const QByteArray &request)
{
    if (!service() || service()->state() != QLowEnergyService::RemoteServiceDiscovered || !m_request->handle.isValid())
        return;
    write(m_request->handle, request);
}

void LoggerService::setUpComplete()
{
    emit loggerServiceDiscovered();
}
