#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class LimiterTerminal;
}
class LimiterDevice;

// The terminal page of both device tabs: a command sent as raw UTF-8 bytes
// over the device's UART service and a console of what went and came back.
class LimiterTerminal : public QWidget
{
    Q_OBJECT

public:
    explicit LimiterTerminal(QWidget *parent = nullptr);
    ~LimiterTerminal() override;

    // Follows what the device sends; a command the device refuses is told
    // in the console.
    void setDevice(std::shared_ptr<LimiterDevice> device);

    static QString refusedCommandText();

public slots:
    void sendData();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showReceivedData(const QByteArray &data);

    Ui::LimiterTerminal *ui;
    std::shared_ptr<LimiterDevice> m_device;
};
