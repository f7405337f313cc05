#pragma once

#include <QPlainTextEdit>

// The diagnostics pane: a read-only plain-text view in the system's
// fixed-width font that keeps the newest `maximumLines` lines (older ones
// drop off the top) and stays on the last line as lines come in, as the
// pane is resized, hidden and shown again, until the user scrolls up; it
// follows again once the user scrolls back to the end.
class DiagnosticsPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int kDefaultMaximumLines = 10000;

    explicit DiagnosticsPane(QWidget *parent = nullptr, int maximumLines = kDefaultMaximumLines);

    // Whether the pane stays on the last line.
    bool followsEnd() const { return m_followsEnd; }

private:
    void scrollToEnd();

    bool m_followsEnd = true;
    bool m_scrolling = false; // the pane moves itself, not the user
};
