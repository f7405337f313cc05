#pragma once

#include "DeviceRecords.h"

#include <QString>

#include <memory>
#include <optional>

class CommonSettingsWidget;
class QBluetoothUuid;
class FirmwareUpdateWidget;
class LimiterDevice;
class LoggerWidget;
class QListWidget;
class QStackedWidget;
class QWidget;

// What both device panels share: a page list on the left whose row N shows
// stack page N, and the wiring of the pages both panels have.
namespace devicepanel {

// Makes `currentPage` the stack's page, with the three diagnostics lines.
void changePage(QListWidget *list, QStackedWidget *stack, int currentPage);

// The data of `page` has arrived: its row can be chosen from now on.
void enablePageRow(QListWidget *list, QStackedWidget *stack, QWidget *page);

// Widens the page list to show its longest row whole, up to its maximum
// width (300 pixels).
void fitPageList(QListWidget *list);

// A limit set's name: its 32-byte field up to the first zero byte, as UTF-8.
QString limitSetName(const s_LimitSettBle &set);

// The pages every panel has, in the order they take the device.
struct CommonPages
{
    QWidget *panel;
    QListWidget *list;
    QStackedWidget *stack;
    CommonSettingsWidget *commonSettings;
    FirmwareUpdateWidget *firmware;
    LoggerWidget *logger;
};

// Hands the device to the common settings, firmware and logger pages (the
// firmware page's installer talks to the device itself) and wires the
// logger page to it; the device's connection
// errors and the writes it refused are shown to the user in a message box.
void connectCommonPages(const CommonPages &pages, const std::shared_ptr<LimiterDevice> &device);

// What the user is told when the device refused settings "Save settings"
// wrote.
QString refusedWriteText();
// What the user is told when the device refused the write of that
// characteristic that the panel made for one of its pages: the settings,
// the reset and position commands and the logger page's requests. Empty for
// the writes a page reports itself (password, authorisation, terminal, the
// firmware page's restart into the bootloader) and for others.
std::optional<QString> panelRefusalText(const QBluetoothUuid &characteristic);

} // namespace devicepanel
