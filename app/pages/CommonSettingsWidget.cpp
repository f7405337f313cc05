#include "CommonSettingsWidget.h"
#include "ui_CommonSettingsWidget.h"

#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "Utf8LengthValidator.h"

#include <QEvent>
#include <QMessageBox>

using namespace SettingsRecords;

namespace {
constexpr int kSettingsSets = 14;
constexpr int kPoleItems = 10;
constexpr int kRpmServoMode = 1;
} // namespace

CommonSettingsWidget::CommonSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CommonSettingsWidget)
{
    ui->setupUi(this);
    for (int i = 0; i < kSettingsSets; ++i)
        m_setNames.append(QString());
    connect(ui->pbShowPassword, &QPushButton::clicked, this, &CommonSettingsWidget::setEchoModes);
    Utf8LengthValidator::limit(ui->leUserName, int(sizeof(s_CommonSettBle::userName)));
    Utf8LengthValidator::limit(ui->leCountry, int(sizeof(s_CommonSettBle::country)));
    m_edits.watch({ui->leUserName, ui->leCountry, ui->sbRegNum, ui->cbLimiterSettSet, ui->cbTelemetryFreq,
                   ui->cbLoggerWriteFreq, ui->cbMotorPoles, ui->cbRpmSensCompLevel, ui->cbSlowdownDirection,
                   ui->cbPpmOut1ServoMode, ui->sbSlowdownTime_ms});
}

CommonSettingsWidget::~CommonSettingsWidget()
{
    delete ui;
}

void CommonSettingsWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        m_device->disconnect(this);
    m_device = std::move(device);
    if (!m_device)
        return;
    // The password is this page's own write; the record goes through the
    // panel's report of refused settings.
    connect(m_device.get(), &LimiterDevice::writeFailed, this, [this](const QBluetoothUuid &characteristic) {
        if (characteristic == DeviceProtocol::settingsUuid(DeviceProtocol::kPasswordSetId))
            QMessageBox::warning(this, ui->gbPassword->title(), passwordRefusedText());
    });
    m_device->connectToDevice();
}

void CommonSettingsWidget::setCommonSettings(const s_CommonSettBle &settings)
{
    m_settings = settings;
    const CommonForm form = commonForm(settings);
    m_edits.fill([&] {
        ui->cbPpmOut1ServoMode->setEnabled(false);
        showServoModeRows(0);

        ui->leUserName->setText(form.userName.value);
        ui->leCountry->setText(form.country.value);
        ui->sbRegNum->setValue(form.regNum.value);
        ui->cbMotorPoles->setCurrentIndex(form.motorPolesIndex.value);
        ui->cbLimiterSettSet->setCurrentIndex(form.settingsSet.value);

        auto itemsOf = [](const QComboBox *box) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items.append(box->itemText(i));
            return items;
        };
        ui->cbLoggerWriteFreq->setCurrentIndex(frequencyItem(itemsOf(ui->cbLoggerWriteFreq), form.loggerFreqHz.value));
        ui->cbTelemetryFreq->setCurrentIndex(frequencyItem(itemsOf(ui->cbTelemetryFreq), form.telemetryFreqHz.value));

        // The write time follows the record's frequency even where no item
        // matches it.
        ui->lblMaxLoggerWriteTime->setText(maxLoggerWriteTime(settings.loggerMemoryBlocks, settings.loggerFreqHz));
        ui->gbLogger->setEnabled(settings.loggerMemoryBlocks != 0);

        ui->cbSlowdownDirection->setCurrentIndex(form.slowdownDirection.value);
        ui->sbSlowdownTime_ms->setValue(form.slowdownTimeMs.value);
        ui->cbPpmOut1ServoMode->setCurrentIndex(form.ppmOut1ServoMode.value);
        ui->cbRpmSensCompLevel->setCurrentIndex(form.rpmSensCompLevel.value);
        showServoModeRows(ui->cbPpmOut1ServoMode->currentIndex());

        applyDeviceKind(m_device && isDovLoggerHardware(m_device->hardwareVersion()));
    });
}

s_CommonSettBle CommonSettingsWidget::commonSettings() const
{
    return commonRecord(m_settings, shownForm());
}

void CommonSettingsWidget::setLimitSettingsSetName(int index, const QString &name)
{
    if (index < 0 || index >= kSettingsSets)
        return;
    m_setNames[index] = name;
    ui->cbLimiterSettSet->setItemText(index, name);
}

bool CommonSettingsWidget::isPasswordGroupChecked() const
{
    return ui->gbPassword->isChecked();
}

QString CommonSettingsWidget::newPassword() const
{
    return ui->lePassword->text() == ui->lePasswordRepeat->text() ? ui->lePassword->text() : QString();
}

bool CommonSettingsWidget::writeToDevice()
{
    if (!m_device)
        return false;
    switch (passwordWrite(isPasswordGroupChecked(), ui->lePassword->text(), ui->lePasswordRepeat->text())) {
    case PasswordWrite::EntriesDiffer:
        QMessageBox::warning(this, ui->gbPassword->title(), passwordMismatchText());
        return false;
    case PasswordWrite::Write:
        m_device->setPassword(newPassword());
        break;
    case PasswordWrite::None:
        break;
    }
    m_device->writeCommonSettings(commonSettings());
    return true;
}

QString CommonSettingsWidget::passwordMismatchText()
{
    return tr("The password and its repetition differ. Nothing was written.");
}

QString CommonSettingsWidget::passwordRefusedText()
{
    return tr("The device refused the new password. Its password has not changed.");
}

void CommonSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CommonSettingsWidget::on_cbLoggerWriteFreq_currentIndexChanged(int index)
{
    ui->lblMaxLoggerWriteTime->setText(
        maxLoggerWriteTime(m_settings.loggerMemoryBlocks, ui->cbLoggerWriteFreq->itemText(index).toInt()));
}

void CommonSettingsWidget::on_cbPpmOut1ServoMode_currentIndexChanged(int index)
{
    showServoModeRows(index);
}

CommonForm CommonSettingsWidget::shownForm() const
{
    CommonForm form;
    form.userName = m_edits.field(ui->leUserName, ui->leUserName->text());
    form.country = m_edits.field(ui->leCountry, ui->leCountry->text());
    form.regNum = m_edits.field(ui->sbRegNum, ui->sbRegNum->value());
    form.settingsSet = m_edits.field(ui->cbLimiterSettSet, ui->cbLimiterSettSet->currentIndex());
    form.telemetryFreqHz = m_edits.field(ui->cbTelemetryFreq, ui->cbTelemetryFreq->currentText().toInt());
    form.loggerFreqHz = m_edits.field(ui->cbLoggerWriteFreq, ui->cbLoggerWriteFreq->currentText().toInt());
    form.motorPolesIndex = m_edits.field(ui->cbMotorPoles, ui->cbMotorPoles->currentIndex());
    form.rpmSensCompLevel = m_edits.field(ui->cbRpmSensCompLevel, ui->cbRpmSensCompLevel->currentIndex());
    form.slowdownDirection = m_edits.field(ui->cbSlowdownDirection, ui->cbSlowdownDirection->currentIndex());
    form.ppmOut1ServoMode = m_edits.field(ui->cbPpmOut1ServoMode, ui->cbPpmOut1ServoMode->currentIndex());
    form.slowdownTimeMs = m_edits.field(ui->sbSlowdownTime_ms, ui->sbSlowdownTime_ms->value());
    return form;
}

void CommonSettingsWidget::showServoModeRows(int mode)
{
    const bool fromRpm = mode == kRpmServoMode;
    const QList<QWidget *> rpmRows = {ui->lCtrlRpmMin,      ui->sbControlRpmMin,  ui->lCtrlRpmMed,
                                      ui->sbControlRpmMed,  ui->lCtrlRpmMax,      ui->sbControlRpmMax,
                                      ui->lPpmOutMin,       ui->dsbPpmOut1Min_ms, ui->lPpmOutMed,
                                      ui->dsbPpmOut1Med_ms, ui->lPpmOutMax,       ui->dsbPpmOut1Max_ms,
                                      ui->pbStartResonancePipeLearn, ui->lLearnModeStatus, ui->leLeartingModeStatus};
    const QList<QWidget *> slowdownRows = {ui->lslowdownDir, ui->cbSlowdownDirection, ui->lSlowdownTime,
                                           ui->sbSlowdownTime_ms};
    for (QWidget *w : rpmRows)
        w->setVisible(fromRpm);
    for (QWidget *w : slowdownRows)
        w->setVisible(!fromRpm);
}

void CommonSettingsWidget::applyDeviceKind(bool dovLogger)
{
    m_dovLogger = dovLogger;
    ui->gbDovResonance->setVisible(dovLogger);
    ui->cbLimiterSettSet->setVisible(!dovLogger);
    ui->lbLimiterSettSet->setVisible(!dovLogger);
    for (int i = 0; i < kPoleItems && i < ui->cbMotorPoles->count(); ++i)
        ui->cbMotorPoles->setItemText(i, QString::number(dovLogger ? i + 1 : 2 * (i + 1)));
    ui->lMotorPoles->setText(dovLogger ? tr("Magnets count:") : tr("Motor poles:"));
}

void CommonSettingsWidget::retranslate()
{
    ui->retranslateUi(this);
    // What the device delivered stays: the set names and the device kind's
    // labels.
    for (int i = 0; i < kSettingsSets; ++i) {
        if (!m_setNames.at(i).isNull())
            ui->cbLimiterSettSet->setItemText(i, m_setNames.at(i));
    }
    if (m_dovLogger)
        ui->lMotorPoles->setText(tr("Magnets count:"));
}

void CommonSettingsWidget::setEchoModes(bool plain)
{
    const QLineEdit::EchoMode mode = plain ? QLineEdit::Normal : QLineEdit::Password;
    ui->lePassword->setEchoMode(mode);
    ui->lePasswordRepeat->setEchoMode(mode);
}
