#include "DevicePanel.h"

#include "CommonSettingsWidget.h"
#include "DeviceProtocol.h"
#include "Diagnostics.h"
#include "FirmwareUpdateWidget.h"
#include "LimiterDevice.h"
#include "LimiterTerminal.h"
#include "LoggerWidget.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStyle>

namespace devicepanel {

namespace {

QString rowText(QListWidget *list, int row)
{
    const QListWidgetItem *item = list->item(row);
    return item ? item->text() : QString();
}

} // namespace

void changePage(QListWidget *list, QStackedWidget *stack, int currentPage)
{
    qCDebug(lcUi) << "Settings page changed";
    qCDebug(lcUi) << "previous page" << rowText(list, stack->currentIndex());
    stack->setCurrentIndex(currentPage);
    qCDebug(lcUi) << "current page" << rowText(list, stack->currentIndex());
}

void enablePageRow(QListWidget *list, QStackedWidget *stack, QWidget *page)
{
    if (QListWidgetItem *item = list->item(stack->indexOf(page)))
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void fitPageList(QListWidget *list)
{
    const int wanted = list->sizeHintForColumn(0) + 2 * list->frameWidth()
                       + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumWidth(qMin(wanted, list->maximumWidth()));
}

QString limitSetName(const s_LimitSettBle &set)
{
    return recordText(set.settingsName, static_cast<int>(sizeof(set.settingsName)));
}

void connectCommonPages(const CommonPages &pages, const std::shared_ptr<LimiterDevice> &device)
{
    LimiterDevice *d = device.get();
    pages.terminal->setDevice(device);
    pages.commonSettings->setDevice(device);
    pages.firmware->setDevice(device);
    // The logger page makes its own connections to the device.
    pages.logger->setDevice(device);

    QObject::connect(d, &LimiterDevice::commonSettingsUpdated, pages.panel, [pages, d] {
        enablePageRow(pages.list, pages.stack, pages.commonSettings);
        pages.commonSettings->setCommonSettings(d->commonSettings());
        enablePageRow(pages.list, pages.stack, pages.firmware);
    });
    // The common page lists the default sets first, then the user sets.
    QObject::connect(d, &LimiterDevice::defaultLimitSettingsUpdated, pages.panel, [pages, d](int index) {
        if (index >= 0 && index < DeviceProtocol::kDefaultLimitSetCount)
            pages.commonSettings->setLimitSettingsSetName(index, limitSetName(d->defaultLimitSettings(index)));
    });
    QObject::connect(d, &LimiterDevice::userLimitSettingsUpdated, pages.panel, [pages, d](int index) {
        if (index >= 0 && index < DeviceProtocol::kUserLimitSetCount)
            pages.commonSettings->setLimitSettingsSetName(DeviceProtocol::kDefaultLimitSetCount + index,
                                                          limitSetName(d->userLimitSettings(index)));
    });
    QObject::connect(d, &LimiterDevice::loggerServiceDiscovered, pages.panel,
                     [list = pages.list, stack = pages.stack, logger = pages.logger] {
                         enablePageRow(list, stack, logger);
                     });
    QObject::connect(d, &LimiterDevice::connectionErrorOccurred, pages.panel,
                     [panel = pages.panel](const QString &title, const QString &text) {
                         QMessageBox::critical(panel, title, text);
                     });
    // A refused write would otherwise look done. Refused settings are read
    // again, so the page then shows what the device kept.
    QObject::connect(d, &LimiterDevice::writeFailed, pages.panel,
                     [panel = pages.panel](const QBluetoothUuid &characteristic) {
                         if (const auto text = panelRefusalText(characteristic))
                             QMessageBox::warning(panel, QGuiApplication::applicationDisplayName(), *text);
                     });
}

QString refusedWriteText()
{
    return QCoreApplication::translate("DevicePanel",
                                       "The device refused the settings it was sent. The page shows what the "
                                       "device holds.");
}

std::optional<QString> panelRefusalText(const QBluetoothUuid &characteristic)
{
    using namespace DeviceProtocol;
    const auto isSettings = [&] {
        for (const quint16 id : {kCommonSettingsId, kMotorSettingsId, kMotorDriveSettingsId}) {
            if (characteristic == settingsUuid(id))
                return true;
        }
        for (int set = 0; set < kDefaultLimitSetCount; ++set) {
            if (characteristic == settingsUuid(quint16(kDefaultLimitSet0Id + set)))
                return true;
        }
        for (int set = 0; set < kUserLimitSetCount; ++set) {
            if (characteristic == settingsUuid(quint16(kUserLimitSet0Id + set)))
                return true;
        }
        return false;
    };
    if (isSettings())
        return refusedWriteText();
    if (characteristic == settingsUuid(kFlagsId))
        return QCoreApplication::translate("DevicePanel",
                                           "The device refused the command. Nothing was changed on the device.");
    if (characteristic == logUuid(kLogReadRequestId))
        return QCoreApplication::translate("DevicePanel", "The device refused the request for its logs.");
    return std::nullopt;
}

} // namespace devicepanel
