#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QThread;

// Keeps the diagnostics of the categories a test looks at while it lives,
// from any thread. Lines of other categories, and warnings and worse of the
// kept ones, still reach the handler that was installed before (QtTest's).
// One capture at a time.
//
//     LogCapture log({"device"});
//     ...
//     QVERIFY(log.messages("device").contains("Settings service not found"));
class LogCapture
{
public:
    struct Line {
        QtMsgType type;
        QString category;
        QString message;
        QThread *thread;
    };

    // No categories: every category is kept.
    explicit LogCapture(const QStringList &categories = {});
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // The kept lines of one category (empty: of all), oldest first.
    QList<Line> lines(const QString &category = QString()) const;
    QStringList messages(const QString &category = QString()) const;
    void clear();

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    const QStringList m_categories;
    mutable QMutex m_mutex;
    QList<Line> m_lines;
    QtMessageHandler m_previous = nullptr;
};
