#pragma once

#include <QPlainTextEdit>

// The diagnostics pane: a read-only plain-text view in the system's
// fixed-width font that keeps the newest `maximumLines` lines (older ones
// drop off the top) and stays on the last line as lines come in, as the
// pane is resized, hidden and shown again, until the user scrolls up; it
// follows again once the user scrolls back to the end. While the pane is
// hidden, lines are only kept (the newest `maximumLines`) and laid out once
// it is shown again.
class DiagnosticsPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int kDefaultMaximumLines = 10000;

    explicit DiagnosticsPane(QWidget *parent = nullptr, int maximumLines = kDefaultMaximumLines);

    // Whether the pane stays on the last line.
    bool followsEnd() const { return m_followsEnd; }

public slots:
    // QPlainTextEdit's, with the lines held back while the pane is hidden.
    void appendPlainText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scrollToEnd();

    QStringList m_waiting; // lines that came while the pane was hidden
    bool m_followsEnd = true;
    bool m_scrolling = false; // the pane moves itself, not the user
};
