#pragma once

// What a benchmark needs to run the device program's real main window as the
// program would, without touching the user's own settings.

#include "ModalAnswerer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <optional>

namespace programwindow {

// Before the application object: this run's settings go into `config`, no
// update server is asked, and without a display the window is drawn off
// screen.
inline void prepareEnvironment(const QTemporaryDir &config)
{
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("GEARWARDEN_UPDATE_SERVER", "127.0.0.1:9");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After it: the program's name, so the window finds its settings.
inline void takeProgramName()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Gearwarden"));
}

// Closes the modal dialogs that come up (the update question at start)
// while it lives; a benchmark lets it go before it measures, so that no
// timer of its own runs then.
class DialogCloser
{
public:
    int closed() const { return m_answerer ? m_answerer->count : m_closed; }
    void stop()
    {
        m_closed = closed();
        m_answerer.reset();
    }

private:
    int m_closed = 0;
    std::optional<ModalAnswerer<QWidget>> m_answerer{std::in_place, [](QWidget *modal) { modal->close(); }};
};

} // namespace programwindow
