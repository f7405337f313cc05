#include "FirmwareWindows.h"

#include "Firmware.h"
#include "FirmwareInstaller.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QSettings>

#include <algorithm>

namespace firmwarewindows {

Firmware *choosePackage(QWidget *parent)
{
    QSettings settings;
    const QString path = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("FirmwareUpdateWidget", "Please select firmware update file"),
        settings.value(QStringLiteral("firmware_file")).toString(), QStringLiteral("*.zip"));
    if (path.isEmpty())
        return nullptr;
    auto *firmware = new Firmware(path);
    if (firmware->isLoaded()) {
        settings.setValue(QStringLiteral("firmware_file"), path);
        return firmware;
    }
    QMessageBox::critical(nullptr,
                          QCoreApplication::translate("FirmwareUpdateWidget", "Error loading firmware update file"),
                          QCoreApplication::translate("FirmwareUpdateWidget", "Error: %1").arg(firmware->statusText()));
    delete firmware;
    return nullptr;
}

void showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
    box.exec();
}

void showState(QLabel *label, QProgressBar *bar, StateM state, uint32_t progress)
{
    label->show();
    bar->show();
    label->setText(DFUUpdater::stateText(state));
    bar->setValue(int(std::min<uint32_t>(progress, 100)));
}

QString hardwareText(const QString &name, const QVersionNumber &hardware)
{
    const QVersionNumber shown(hardware.segmentAt(0) & 0x0F, hardware.segmentAt(1), hardware.segmentAt(2));
    return QStringLiteral("%1 v %2").arg(name, shown.toString());
}

bool hasEsc(quint16 hardwareWord)
{
    constexpr quint16 kEscBits = 0x1000 | 0x4000;
    return (hardwareWord & kEscBits) == kEscBits;
}

bool confirmClose(QWidget *scope)
{
    QStringList devices;
    for (const FirmwareInstaller *installer : scope->findChildren<FirmwareInstaller *>()) {
        if (installer->holdsDevice())
            devices.append(installer->targetName());
    }
    if (devices.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    QCoreApplication::translate("FirmwareWindows",
                                                "A firmware update of %1 is running. Closing now stops it: the "
                                                "device stays in its bootloader and does not work until it is "
                                                "updated again with \"Recover device\" in the Tools menu.\n\n"
                                                "Close anyway?")
                        .arg(devices.join(QStringLiteral(", "))),
                    QMessageBox::Yes | QMessageBox::No, scope->window());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace firmwarewindows
