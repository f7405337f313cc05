#pragma once

#include "DeviceRecords.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QString>

#include <memory>
#include <optional>

class CommonSettingsWidget;
class QBluetoothUuid;
class FirmwareUpdateWidget;
class LimiterDevice;
class LimiterTerminal;
class LoggerWidget;
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

// What every panel's form has: the page list and its stack, the pages both
// panels have (in the order they take the device, after the panel's own
// telemetry page) and the two buttons.
struct CommonPages
{
    QWidget *panel;
    QListWidget *list;
    QStackedWidget *stack;
    LimiterTerminal *terminal;
    CommonSettingsWidget *commonSettings;
    FirmwareUpdateWidget *firmware;
    LoggerWidget *logger;
    QAbstractButton *save;
    QAbstractButton *reset;
};

// The common pages of a panel's form (Ui::LimiterSettingsWidget,
// Ui::DovLoggerSettingsWidget): both forms give them the same names.
template <typename Form>
CommonPages commonPagesOf(QWidget *panel, Form *ui)
{
    return {panel, ui->lwSettingsCategories, ui->swSettingsPage,
            ui->pageTerminal, ui->pCommonSettings, ui->pFirmwareUpdate,
            ui->pLogger, ui->pbSaveSettings, ui->pbLoadDefaults};
}

// Sets up a panel's form: the page list is as wide as its rows and shows
// the page of the row chosen (Panel::onSettingsPageChanged), "Save
// settings" and "Load default settings" act through Panel::saveSettings and
// Panel::resetSettings.
template <typename Panel>
void connectForm(Panel *panel, const CommonPages &pages)
{
    fitPageList(pages.list);
    QObject::connect(pages.list, &QListWidget::currentRowChanged, panel, &Panel::onSettingsPageChanged);
    QObject::connect(pages.save, &QAbstractButton::clicked, panel, &Panel::saveSettings);
    QObject::connect(pages.reset, &QAbstractButton::clicked, panel, &Panel::resetSettings);
}

// Hands the device to the terminal, common settings, firmware and logger
// pages (the firmware page's installer talks to the device itself) and
// wires them to it: the common settings fill their page and open its row
// and the firmware page's, the limit sets' names fill the common page's
// list of sets, the logger page's row opens with the log service. The
// device's connection errors and the writes it refused are shown to the
// user in a message box.
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
