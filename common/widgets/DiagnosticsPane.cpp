#include "DiagnosticsPane.h"

#include <QFontDatabase>
#include <QScrollBar>

DiagnosticsPane::DiagnosticsPane(QWidget *parent, int maximumLines) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMaximumBlockCount(maximumLines);

    QScrollBar *bar = verticalScrollBar();
    // The user moves the view (wheel, slider, keys): where it ends decides.
    // Qt reports the move before it takes the new position.
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, bar] { m_followsEnd = bar->sliderPosition() >= bar->maximum(); });
    // New lines, a smaller or larger pane: the range changes.
    connect(bar, &QScrollBar::rangeChanged, this, [this] {
        if (m_followsEnd)
            scrollToEnd();
    });
    // Any other move: the view's own (a new layout keeps its top line), or
    // one that reached the end some other way.
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (m_scrolling)
            return;
        if (value >= bar->maximum())
            m_followsEnd = true;
        else if (m_followsEnd)
            scrollToEnd();
    });
}

void DiagnosticsPane::appendPlainText(const QString &text)
{
    if (isVisible()) {
        QPlainTextEdit::appendPlainText(text);
        return;
    }
    m_waiting.append(text);
    if (m_waiting.size() > maximumBlockCount())
        m_waiting.removeFirst();
}

void DiagnosticsPane::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    if (m_waiting.isEmpty())
        return;
    QPlainTextEdit::appendPlainText(m_waiting.join(QLatin1Char('\n')));
    m_waiting.clear();
}

void DiagnosticsPane::scrollToEnd()
{
    m_scrolling = true;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    m_scrolling = false;
}
