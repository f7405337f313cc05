#pragma once

#include "Languages.h"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QSet>
#include <QString>

namespace Ui {
class MainWindow;
}
class QCloseEvent;
class QComboBox;

// The viewer's only window: the "Browse" tab with the catalogue of the logs
// folder and the description of the selected log, and one tab per opened log.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const TranslatorList &translators, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the log at `path` as a plot in a new current tab. A file that is
    // missing or whose plot cannot be built adds no tab: the user is told
    // which file and why, and false is returned.
    bool openLogInTab(const QString &path);

public slots:
    void openFile();
    void scanDirectory(QString directory);
    void rescanDirectory(QString directory);
    void processLogFile(QString baseDir, QString filename);
    void selectDirectory();
    void resizeColumnsToContents();
    void logSelected();
    void logOpened();
    void logDirectoryChanged(QString path);
    void closePlotTab(int idx);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLanguageMenu();
    void setLanguage();

    // Columns take 3, 5, 5 and 3 parts of 21 of the table's width.
    void shareOutColumns();
    void columnResized();
    void appendRow(const QStringList &texts, const QString &path, const QString &unreadablePath);
    int findRow(int role, const QString &path) const;
    void removeRowOf(int role, const QString &path);
    QString selectedPath() const;

    Ui::MainWindow *ui;
    QFileSystemWatcher m_watcher;
    // Paths of the logs listed with their metadata.
    QSet<QString> logRows;
    TranslatorList m_translators;
    // Paths of the files listed as "File corrupted": one row each, dropped
    // when the file goes away or becomes readable.
    QSet<QString> m_unreadableRows;
    QComboBox *m_languageBox = nullptr;
    // The columns follow the table's width until the user sizes one.
    bool m_columnsShared = false;
    bool m_sharingColumns = false;
    bool m_userSizedColumns = false;
    // Plot views being built: their progress dialog keeps the program alive,
    // so a close of this window meanwhile ends the program once they return.
    int m_loadingLogs = 0;
    bool m_exitWhenLoaded = false;
};
