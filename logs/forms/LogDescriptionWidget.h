#pragma once

#include "LogSession.h"

#include <nlohmann/json.hpp>

#include <QUrl>
#include <QWidget>

namespace Ui {
class LogDescriptionWidget;
}

// The description of one log: when, by whom, where and with which settings it
// was recorded, and the versions of the device. Filled from a session header
// or from the parsed "metadata.json" of a log file, and filled again after a
// change of the language.
class LogDescriptionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LogDescriptionWidget(QWidget *parent = nullptr);
    ~LogDescriptionWidget() override;

    void showLogDescription(const LogHeader &header);

    // Clears the fields and says that the log could not be read.
    void showLogError();

    // Fills the fields one after the other from a log file's metadata. When a
    // key is missing or of the wrong type the fill stops there: the user field
    // says that the file is corrupted and every field not filled yet is empty.
    void showLogMetadata(nlohmann::json metadata);

    // The web map at the shown position.
    QUrl mapUrl() const;

public slots:
    void openMap();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setCoordinates(float latitude, float longitude);
    void setEscVersion(bool shown, const QString &text);

    void fillFromMetadata(nlohmann::json &metadata);

    Ui::LogDescriptionWidget *ui;
    LogHeader m_header;

    // What is shown, so a language change can show it again in the new
    // language.
    enum class Shown { Nothing, Header, Metadata, Error };
    Shown m_shown = Shown::Nothing;
    nlohmann::json m_metadata;
};
