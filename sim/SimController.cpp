#include "SimController.h"

#include "SimRadio.h"
#include "SimService.h"

#include <QCoreApplication>

namespace {

// Qt's own texts (and translation context) for the controller errors.
QString errorText(QLowEnergyController::Error error)
{
    switch (error) {
    case QLowEnergyController::NoError:
        return QString();
    case QLowEnergyController::UnknownRemoteDeviceError:
        return QCoreApplication::translate("QLowEnergyController", "Remote device cannot be found");
    case QLowEnergyController::InvalidBluetoothAdapterError:
        return QCoreApplication::translate("QLowEnergyController", "Cannot find local adapter");
    case QLowEnergyController::NetworkError:
        return QCoreApplication::translate("QLowEnergyController", "Error occurred during connection I/O");
    case QLowEnergyController::ConnectionError:
        return QCoreApplication::translate("QLowEnergyController", "Error occurred trying to connect to remote device.");
    case QLowEnergyController::RemoteHostClosedError:
        return QCoreApplication::translate("QLowEnergyController", "Remote device closed the connection");
    case QLowEnergyController::AuthorizationError:
        return QCoreApplication::translate("QLowEnergyController", "Failed to authorize on the remote device");
    default:
        return QCoreApplication::translate("QLowEnergyController", "Unknown Error");
    }
}

} // namespace

SimController::SimController(SimRadio *radio, const QBluetoothDeviceInfo &remoteDevice, QObject *parent)
    : BleController(parent), m_radio(radio), m_remote(remoteDevice)
{
}

SimController::~SimController()
{
    if (m_link && m_radio)
        m_radio->disconnectCentral(m_link);
}

QBluetoothAddress SimController::remoteAddress() const
{
    return m_remote.address();
}

QString SimController::remoteName() const
{
    return m_remote.name();
}

void SimController::setState(ControllerState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void SimController::setError(Error error)
{
    m_error = error;
    m_errorString = errorText(error);
    emit errorOccurred(error);
}

void SimController::connectToDevice()
{
    if (m_state != QLowEnergyController::UnconnectedState)
        return;
    if (!m_radio) {
        setError(QLowEnergyController::InvalidBluetoothAdapterError);
        return;
    }
    m_error = QLowEnergyController::NoError;
    m_errorString.clear();
    setState(QLowEnergyController::ConnectingState);
    m_radio->connectCentral(this, m_remote.address());
}

void SimController::disconnectFromDevice()
{
    if (m_state == QLowEnergyController::UnconnectedState || m_state == QLowEnergyController::ClosingState)
        return;
    if (!m_link) {
        // Still connecting: give up the attempt.
        setState(QLowEnergyController::UnconnectedState);
        emit disconnected();
        return;
    }
    setState(QLowEnergyController::ClosingState);
    if (m_radio)
        m_radio->disconnectCentral(m_link);
}

void SimController::discoverServices()
{
    if (m_state != QLowEnergyController::ConnectedState || !m_link || !m_radio)
        return;
    setState(QLowEnergyController::DiscoveringState);
    const int count = int(m_link->peripheral()->gatt().services().size());
    SimConnection::Request request;
    request.kind = SimConnection::Request::Discover;
    request.exchanges = 1 + count / 2;
    QPointer<SimController> self(this);
    SimConnectionPtr link = m_link;
    request.done = [self, link](quint8, const QByteArray &) {
        if (!self || self->m_link != link)
            return;
        self->m_services.clear();
        const QList<SimGattService> services = link->peripheral()->gatt().services();
        for (const SimGattService &service : services) {
            self->m_services.append(service.uuid);
            emit self->serviceDiscovered(service.uuid);
            if (!self || self->m_link != link)
                return;
        }
        self->setState(QLowEnergyController::DiscoveredState);
        emit self->discoveryFinished();
    };
    m_radio->submit(m_link, std::move(request));
}

BleService *SimController::createServiceObject(const QBluetoothUuid &service, QObject *parent)
{
    if (!m_link || !m_services.contains(service))
        return nullptr;
    auto *object = new SimService(this, service, parent);
    m_serviceObjects.append(object);
    return object;
}

void SimController::linkEstablished(const SimConnectionPtr &link)
{
    m_link = link;
    m_mtu = kDefaultMtu;
    setState(QLowEnergyController::ConnectedState);
    emit connected();
}

void SimController::connectFailed(Error error)
{
    setError(error);
    setState(QLowEnergyController::UnconnectedState);
}

void SimController::linkLost(bool byRemote)
{
    m_link.reset();
    if (byRemote)
        setError(QLowEnergyController::RemoteHostClosedError);
    const QList<QPointer<SimService>> objects = m_serviceObjects;
    m_serviceObjects.clear();
    for (const QPointer<SimService> &object : objects) {
        if (object)
            object->invalidate();
    }
    m_services.clear();
    m_mtu = kDefaultMtu;
    setState(QLowEnergyController::UnconnectedState);
    emit disconnected();
}

void SimController::mtuExchanged(int mtu)
{
    m_mtu = mtu;
    emit mtuChanged(mtu);
}

void SimController::valueNotified(quint16 valueHandle, const QByteArray &value)
{
    const QList<QPointer<SimService>> objects = m_serviceObjects;
    for (const QPointer<SimService> &object : objects) {
        if (object)
            object->valueNotified(valueHandle, value);
    }
}
