#pragma once

#include "CatalogueScanner.h"
#include "Languages.h"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QSet>
#include <QString>

#include <array>

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

    // True while the catalogue is still reading its folder.
    bool isScanning() const;

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
    void setLanguage(const QString &requested);

    // Lists what a scan or a changed file gave: one sort and one sizing of
    // the columns for all of them. A log already listed keeps its row; a
    // readable log replaces the "File corrupted" row of its file.
    void addEntries(const QList<CatalogueEntry> &entries);
    void scanFinished(const QStringList &vanished);
    void removeRowsOf(const QSet<QString> &paths);
    void watchFile(const QString &path);

    // Watches the catalogue's folder or, while it does not exist, the nearest
    // folder above it that does, until it appears.
    void watchLogsFolder();

    // The columns take 3, 5, 5 and 3 parts of 21 of the table's width; the
    // session and time columns at least what their widest texts need, the
    // user and settings columns giving up what the table cannot show.
    void shareOutColumns();
    void columnResized();
    QString selectedPath() const;

    Ui::MainWindow *ui;
    QFileSystemWatcher m_watcher;
    // Paths of the logs listed with their metadata.
    QSet<QString> logRows;
    TranslatorList m_translators;
    // Paths of the files listed as "File corrupted": one row each, dropped
    // when the file goes away or becomes readable.
    QSet<QString> m_unreadableRows;
    // Files watched so that a log still being written is read again.
    QSet<QString> m_watchedFiles;
    QComboBox *m_languageBox = nullptr;

    CatalogueScanner m_scanner;
    // The folder of the catalogue, as last scanned.
    QString m_folder;
    // The folder watched while m_folder does not exist; empty otherwise.
    QString m_watchedParent;
    // A rescan asked for while another ran: the folder, empty for none.
    QString m_pendingRescan;

    // The columns follow the table's width until the user sizes one.
    bool m_columnsShared = false;
    bool m_sharingColumns = false;
    bool m_userSizedColumns = false;
    // Per column, the width its widest text in this folder needs (measured
    // for the session and time columns only).
    std::array<int, 4> m_wholeWidths{};
    // Plot views being built: their progress dialog keeps the program alive,
    // so a close of this window meanwhile ends the program once they return.
    int m_loadingLogs = 0;
    bool m_exitWhenLoaded = false;
};
