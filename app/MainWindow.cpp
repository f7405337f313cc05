#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "Diagnostics.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QSettings>

MainWindow::MainWindow(const TranslatorList &translators, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_translators(translators)
{
    ui->setupUi(this);

    m_logView = new QPlainTextEdit(this);
    m_logView->setReadOnly(true);
    m_logView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setApplicationLogView(m_logView);
    ui->verticalLayout_3->addWidget(m_logView);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::changeLanguage(const QString &code)
{
    QSettings settings;
    languages::switchLanguage(m_translators, code, settings, languages::SwitchOrder::FrameworkFirst);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QMainWindow::changeEvent(event);
}
