#include "LogDescriptionWidget.h"
#include "ui_LogDescriptionWidget.h"

#include "LogMetadata.h"

#include <QDesktopServices>
#include <QEvent>

namespace {

// Marks a position that the device did not know.
constexpr double kUnknownPosition = kNoPosition;

const QString kMapHost = QStringLiteral("www.google.com");

QString threePartVersion(int v)
{
    return QStringLiteral("%1.%2.%3").arg(v >> 8).arg((v >> 4) & 15).arg(v & 15);
}

QString twoPartVersion(int v)
{
    return QStringLiteral("%1.%2").arg(v >> 8).arg(v & 255);
}

QString createdAtText(quint32 time, quint32 date)
{
    const QString text = logDateTime(time, date).toString(Qt::TextDate);
    return text.isEmpty() ? LogDescriptionWidget::tr("Unknown") : text;
}

} // namespace

LogDescriptionWidget::LogDescriptionWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LogDescriptionWidget)
    , m_header()
{
    ui->setupUi(this);
    connect(ui->pbOpenMap, &QPushButton::clicked, this, &LogDescriptionWidget::openMap);
}

LogDescriptionWidget::~LogDescriptionWidget()
{
    delete ui;
}

void LogDescriptionWidget::setCoordinates(float latitude, float longitude)
{
    m_header.latitude = latitude;
    m_header.longitude = longitude;
}

void LogDescriptionWidget::setEscVersion(bool shown, const QString &text)
{
    ui->leEscVersion->setText(shown ? text : QString());
    ui->leEscVersion->setEnabled(shown);
    ui->lblESCVersion->setEnabled(shown);
}

void LogDescriptionWidget::showLogDescription(const LogHeader &header)
{
    m_header = header;
    m_shown = Shown::Header;
    m_metadata = nlohmann::json();

    ui->leUser->setText(QStringLiteral("%1 [%2-%3]")
                            .arg(logFieldText(header.userName),
                                 logFieldText(header.userRegNum.country),
                                 QStringLiteral("%1").arg(header.userRegNum.num, 4, 10, QLatin1Char('0'))));

    const bool known = header.latitude != kUnknownPosition && header.longitude != kUnknownPosition;
    ui->leCoordinates->setText(known ? QStringLiteral("[ %1; %2 ]")
                                           .arg(QString::number(header.latitude, 'f', 4),
                                                QString::number(header.longitude, 'f', 4))
                                     : QString());
    ui->leCoordinates->setEnabled(known);
    ui->pbOpenMap->setEnabled(known);

    ui->leCreatedAt->setText(createdAtText(header.time, header.date));
    // The set's number in front of its name, as in the device's set lists.
    ui->leSettings->setText(QStringLiteral("%1. %2").arg(
        QString::number(header.settingsSet),
        QString::fromLocal8Bit(logFieldBytes(header.settSetName))));
    ui->leMotorPoles->setText(QString::number(header.motorPoles));
    ui->leEnergyRefj->setText(tr("%1 Wh").arg(header.energyRefJ / 3600));
    ui->leLogFreqHZ->setText(tr("%1 Hz").arg(header.loggerFreqHz));
    ui->leHWVersion->setText(threePartVersion(header.hwVersion));
    ui->leFwVersion->setText(twoPartVersion(header.fwVersion));
    ui->leBootloaderVersion->setText(twoPartVersion(header.blVersion));
    setEscVersion(header.hwVersion > 4095, twoPartVersion(header.escVersion));
}

void LogDescriptionWidget::showLogError()
{
    m_shown = Shown::Error;
    m_metadata = nlohmann::json();
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->clear();
    ui->leCreatedAt->setText(tr("Error reading log file"));
}

void LogDescriptionWidget::showLogMetadata(nlohmann::json metadata)
{
    m_shown = Shown::Metadata;
    m_metadata = metadata;
    fillFromMetadata(metadata);
}

void LogDescriptionWidget::fillFromMetadata(nlohmann::json &metadata)
{
    // The fill goes field by field; `step` is the one being filled when a key
    // turns out missing or mistyped.
    int step = 1;
    try {
        const auto number = [&metadata](const char *key) { return logMetadataNumber<qint32>(metadata[key], key); };
        const auto text = [](const nlohmann::json &value) { return QString::fromStdString(value.get<std::string>()); };

        auto &regNum = metadata[logkey::userRegNum];
        const QString country = text(regNum[logkey::country]);
        const QString user = text(metadata[logkey::userName]);
        ui->leUser->setText(QStringLiteral("%1 [%2-%3]")
                                .arg(user, country, QString::number(logMetadataNumber<qint32>(regNum[logkey::num], logkey::num))));

        step = 2;
        const double latitude = metadata[logkey::latitude].get<double>();
        const double longitude = metadata[logkey::longitude].get<double>();
        setCoordinates(logMetadataFloat(metadata[logkey::latitude], logkey::latitude),
                       logMetadataFloat(metadata[logkey::longitude], logkey::longitude));
        const bool known = latitude != kUnknownPosition && longitude != kUnknownPosition;
        ui->leCoordinates->setText(known ? QStringLiteral("[ %1; %2 ]")
                                               .arg(QString::number(latitude, 'f', 4), QString::number(longitude, 'f', 4))
                                         : QString());
        ui->leCoordinates->setEnabled(known);
        ui->pbOpenMap->setEnabled(known);

        step = 3;
        const auto time = static_cast<quint32>(number(logkey::time));
        ui->leCreatedAt->setText(createdAtText(time, static_cast<quint32>(number(logkey::date))));

        step = 4;
        ui->leSettings->setText(text(metadata[logkey::settSetName]));
        step = 5;
        ui->leMotorPoles->setText(QString::number(number(logkey::motorPoles)));
        step = 6;
        ui->leEnergyRefj->setText(tr("%1 Wh").arg(number(logkey::energyRefJ) / 3600));
        step = 7;
        ui->leLogFreqHZ->setText(tr("%1 Hz").arg(number(logkey::loggerFreqHz)));
        step = 8;
        ui->leHWVersion->setText(threePartVersion(number(logkey::hwVersion)));
        step = 9;
        ui->leFwVersion->setText(twoPartVersion(number(logkey::fwVersion)));
        step = 10;
        ui->leBootloaderVersion->setText(twoPartVersion(number(logkey::blVersion)));
        step = 11;
        const bool esc = (number(logkey::hwVersion) & 0xF000) != 0;
        setEscVersion(esc, esc ? twoPartVersion(number(logkey::escVersion)) : QString());
    } catch (const std::exception &) {
        // Nothing of the previous log may stay beside this one: the fields of
        // the steps not reached are emptied.
        QLineEdit *const byStep[] = {ui->leUser,       ui->leCoordinates, ui->leCreatedAt, ui->leSettings,
                                     ui->leMotorPoles, ui->leEnergyRefj,  ui->leLogFreqHZ, ui->leHWVersion,
                                     ui->leFwVersion,  ui->leBootloaderVersion, ui->leEscVersion};
        for (int i = step; i <= 11; ++i)
            byStep[i - 1]->clear();
        if (step <= 2) {
            ui->leCoordinates->setEnabled(false);
            ui->pbOpenMap->setEnabled(false);
        }
        setEscVersion(false, QString());
        ui->leUser->setText(tr("File is corrupted or unsupported"));
    }
}

QUrl LogDescriptionWidget::mapUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(kMapHost);
    url.setPath(QStringLiteral("/maps/@%1,%2,16z")
                    .arg(QString::number(m_header.latitude, 'f', 7), QString::number(m_header.longitude, 'f', 7)));
    url.setQuery(QStringLiteral("entry=ttu"));
    return url;
}

void LogDescriptionWidget::openMap()
{
    QDesktopServices::openUrl(mapUrl());
}

void LogDescriptionWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The units and the state texts are translated when filled.
        switch (m_shown) {
        case Shown::Nothing:
            break;
        case Shown::Header:
            showLogDescription(m_header);
            break;
        case Shown::Metadata: {
            nlohmann::json metadata = m_metadata;
            fillFromMetadata(metadata);
            break;
        }
        case Shown::Error:
            showLogError();
            break;
        }
        return;
    }
    QWidget::changeEvent(event);
}
