#pragma once

#include "DeviceRecords.h"

#include <QString>

#include <memory>

class CommonSettingsWidget;
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

// What the user is told when the device refused a write.
QString refusedWriteText();

} // namespace devicepanel
