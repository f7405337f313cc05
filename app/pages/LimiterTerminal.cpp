#include "LimiterTerminal.h"
#include "ui_LimiterTerminal.h"

#include "DeviceProtocol.h"
#include "LimiterDevice.h"

#include <QEvent>

LimiterTerminal::LimiterTerminal(QWidget *parent) : QWidget(parent), ui(new Ui::LimiterTerminal)
{
    ui->setupUi(this);
    connect(ui->pbSend, &QPushButton::clicked, this, &LimiterTerminal::sendData);
    connect(ui->leCommand, &QLineEdit::returnPressed, this, &LimiterTerminal::sendData);
}

LimiterTerminal::~LimiterTerminal()
{
    delete ui;
}

void LimiterTerminal::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        m_device->disconnect(this);
    m_device = std::move(device);
    if (!m_device)
        return;
    connect(m_device.get(), &LimiterDevice::terminalDataReceived, this, &LimiterTerminal::showReceivedData);
    connect(m_device.get(), &LimiterDevice::writeFailed, this, [this](const QBluetoothUuid &characteristic) {
        if (characteristic == DeviceProtocol::terminalUuid(DeviceProtocol::kNusRxId))
            ui->ptConsole->appendPlainText(refusedCommandText());
    });
}

QString LimiterTerminal::refusedCommandText()
{
    return tr("The device refused the command.");
}

void LimiterTerminal::sendData()
{
    const QString command = ui->leCommand->text();
    // Sent as typed: no line ending is added, an empty command is a write of
    // no bytes.
    if (m_device)
        m_device->sendTerminalData(command.toUtf8());
    ui->ptConsole->appendPlainText(QStringLiteral(" > %1").arg(command));
    ui->leCommand->clear();
}

void LimiterTerminal::showReceivedData(const QByteArray &data)
{
    // Each chunk is a paragraph of its own; bytes that are not UTF-8 show as
    // replacement characters.
    ui->ptConsole->appendPlainText(QString::fromUtf8(data));
}

void LimiterTerminal::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
