#pragma once

#include "BluetoothDeviceModel.h"
#include "BluetoothDiscovery.h"
#include "BluetoothDovLoggerModel.h"
#include "FirmwareDownloader.h"
#include "Languages.h"

#include <QMainWindow>
#include <QPointer>

namespace Ui {
class MainWindow;
}
class CoalescingProxyModel;
class DiagnosticsPane;
class FirmwareRecoveryDialog;
class ProgressBarDelegate;
class QComboBox;
class QSortFilterProxyModel;

// The device program's window: the device table of the chosen family on the
// "Scanner" tab, one tab per connected device, the diagnostics dock, the
// language box and the update check at start.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const TranslatorList &translators, QWidget *parent = nullptr);
    ~MainWindow() override;

    // 1 limiter, 2 DOV logger; any value but 2 shows the limiters.
    void setDevicesFamilyMode(int mode);
    // Switches the interface language to `code`.
    void changeLanguage(const QString &code);

public slots:
    void connectToSelected();
    void disconnectFromLimiter(int index);
    void recoverDevice();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkForUpdates();
    // The index of the device tab of that address, or -1.
    int tabOf(const QString &address) const;

    Ui::MainWindow *ui;
    BluetoothDiscovery m_discovery;
    BluetoothDeviceModel m_deviceModel;
    BluetoothDovLoggerModel m_dovLoggerModel;
    FirmwareDownloader m_downloader;
    // Between the device list and the sort proxy: the table hears of
    // changed rows twice a second, and not at all while it is hidden.
    CoalescingProxyModel *m_changes = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
    ProgressBarDelegate *m_progressBarDelegate = nullptr;
    TranslatorList m_translators;
    QComboBox *m_languageBox = nullptr;
    DiagnosticsPane *m_logView = nullptr;
    // The one recovery dialog: closing hides it, a recovery goes on.
    QPointer<FirmwareRecoveryDialog> m_recovery;
};
