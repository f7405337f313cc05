#pragma once

// What a benchmark needs to run the device program's real main window as the
// program would, without touching the user's own settings.

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

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
// until stopped.
class DialogCloser : public QObject
{
public:
    DialogCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modal->close();
                ++closed;
            }
        });
        m_timer.start(50);
    }
    // No timer of the benchmark's own while it measures.
    void stop() { m_timer.stop(); }
    int closed = 0;

private:
    QTimer m_timer;
};

} // namespace programwindow
