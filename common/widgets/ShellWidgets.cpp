#include "ShellWidgets.h"

#include "Languages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QIcon>
#include <QMenuBar>
#include <QSettings>
#include <QStyle>

namespace shell {

QComboBox *addLanguageBox(QMenuBar *menuBar, const std::function<void(const QString &code)> &onChange)
{
    auto *box = new QComboBox(menuBar);
    box->setObjectName(QStringLiteral("cbLanguage"));
    for (const QString &code : languages::languageCodes())
        box->addItem(QIcon(QStringLiteral(":/res/%1.png").arg(code)), languages::nativeLanguageLabel(code), code);
    // The list shows every name whole, however narrow the box is.
    QAbstractItemView *list = box->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    menuBar->setCornerWidget(box, Qt::TopRightCorner);
    QObject::connect(box, &QComboBox::currentTextChanged, box,
                     [box, onChange] { onChange(box->currentData().toString()); });

    QSettings settings;
    const QString label = languages::nativeLanguageLabel(languages::storedLanguageCode(settings));
    const int index = label.isEmpty() ? -1 : box->findText(label);
    if (index >= 0)
        box->setCurrentIndex(index);
    return box;
}

QString buildDate()
{
    // __DATE__ pads a one-digit day with a blank ("Jul  4 2026").
    return QString::fromLatin1(__DATE__).simplified();
}

} // namespace shell
