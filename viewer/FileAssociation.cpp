#include "FileAssociation.h"

#include "LogFile.h"
#include "ViewerDiagnostics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

// ---------------------------------------------------------------- registry

namespace {

const QString kHive = QStringLiteral("HKEY_CURRENT_USER\\Software\\");

QString readNative(const QString &keyPath, const QString &valueName)
{
    QSettings key(keyPath, QSettings::NativeFormat);
    return key.value(valueName).toString();
}

void writeNative(const QString &keyPath, const QString &valueName, const QString &value)
{
    QSettings key(keyPath, QSettings::NativeFormat);
    key.setValue(valueName, value); // written when `key` is released
}

const QString kDefaultValue = QStringLiteral(".");

} // namespace

RegistryAssociationStore::RegistryAssociationStore()
    : RegistryAssociationStore(readNative, writeNative)
{
}

RegistryAssociationStore::RegistryAssociationStore(Reader read, Writer write)
    : m_read(std::move(read))
    , m_write(std::move(write))
{
}

QString RegistryAssociationStore::commandKeyPath(const QString &appName)
{
    return kHive + QStringLiteral("Classes\\") + appName + QStringLiteral("\\shell\\open\\command\\");
}

QString RegistryAssociationStore::extensionKeyPath(const QString &extension)
{
    return kHive + QStringLiteral("Classes\\") + extension;
}

QString RegistryAssociationStore::userChoiceKeyPath(const QString &extension)
{
    return kHive + QStringLiteral("Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\") + extension
           + QStringLiteral("\\UserChoice");
}

QString RegistryAssociationStore::openCommandFor(const QString &programPath) const
{
    QString path = programPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QLatin1Char('"') + path + QStringLiteral("\" \"%1\"");
}

QString RegistryAssociationStore::openCommand(const QString &appName) const
{
    return m_read(commandKeyPath(appName), kDefaultValue);
}

void RegistryAssociationStore::setOpenCommand(const QString &appName, const QString &command)
{
    m_write(commandKeyPath(appName), kDefaultValue, command);
}

void RegistryAssociationStore::setExtensionClass(const QString &extension, const QString &progId)
{
    m_write(extensionKeyPath(extension), kDefaultValue, progId);
}

void RegistryAssociationStore::setUserChoice(const QString &extension, const QString &progId)
{
    m_write(userChoiceKeyPath(extension), QStringLiteral("Progid"), progId);
}

// ------------------------------------------------------------- freedesktop

namespace {

const QString kDesktopEntryGroup = QStringLiteral("Desktop Entry");

bool isGroupLine(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

// The key of a "key=value" line, or an empty text for other lines.
QString keyOfLine(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('#')))
        return {};
    const int eq = t.indexOf(QLatin1Char('='));
    return eq > 0 ? t.left(eq).trimmed() : QString();
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

// The raw value of `key` in `[group]` of a desktop-entry style file; a null
// text when the file, the group or the key is missing.
QString groupValue(const QString &path, const QString &group, const QString &key)
{
    bool inGroup = false;
    for (const QString &line : readLines(path)) {
        if (isGroupLine(line)) {
            inGroup = line.trimmed() == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        if (inGroup && keyOfLine(line) == key)
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return {};
}

// Sets `key` in `[group]`, keeping every other line of the file. A missing
// group is appended, starting with `groupStart`.
bool setGroupValue(const QString &path, const QString &group, const QString &key, const QString &value,
                   const QStringList &groupStart = {})
{
    QStringList lines = readLines(path);
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    const QString entry = key + QLatin1Char('=') + value;
    int groupLine = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed() == header) {
            groupLine = i;
            break;
        }
    }
    if (groupLine < 0) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines << QString();
        lines << header << groupStart << entry;
        return writeLines(path, lines);
    }
    int insertAt = groupLine + 1;
    for (int i = groupLine + 1; i < lines.size() && !isGroupLine(lines.at(i)); ++i) {
        if (keyOfLine(lines.at(i)) == key) {
            lines[i] = entry;
            return writeLines(path, lines);
        }
        if (!lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
    return writeLines(path, lines);
}

// A ";"-separated list with `item` in front (once).
QString withItemFirst(const QString &list, const QString &item)
{
    QStringList items = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    items.removeAll(item);
    items.prepend(item);
    return items.join(QLatin1Char(';')) + QLatin1Char(';');
}

QString withItem(const QString &list, const QString &item)
{
    QStringList items = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (!items.contains(item))
        items << item;
    return items.join(QLatin1Char(';')) + QLatin1Char(';');
}

// Runs a desktop database tool when the system has it; the desktop picks the
// files up anyway at its next rescan.
void runIfPresent(const QString &program, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        qCWarning(lcViewer) << program << "failed:" << process.readAllStandardError();
}

QString desktopEntryName(const QString &appName)
{
    return appName + QStringLiteral(".desktop");
}

} // namespace

FreedesktopAssociationStore::FreedesktopAssociationStore(const QString &dataHome, const QString &configHome)
    : m_dataHome(dataHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                    : dataHome)
    , m_configHome(configHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                        : configHome)
{
}

QString FreedesktopAssociationStore::mimeTypeFor(const QString &extension)
{
    QString name = extension;
    if (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return QStringLiteral("application/x-") + name.toLower();
}

QString FreedesktopAssociationStore::desktopEntryPath(const QString &appName) const
{
    return m_dataHome + QStringLiteral("/applications/") + desktopEntryName(appName);
}

QString FreedesktopAssociationStore::mimePackagePath(const QString &extension) const
{
    return m_dataHome + QStringLiteral("/mime/packages/") + mimeTypeFor(extension).replace(QLatin1Char('/'), QLatin1Char('-'))
           + QStringLiteral(".xml");
}

QString FreedesktopAssociationStore::mimeAppsListPath() const
{
    return m_configHome + QStringLiteral("/mimeapps.list");
}

QString FreedesktopAssociationStore::openCommandFor(const QString &programPath) const
{
    // The program is quoted only when its path holds a character reserved in
    // a desktop file's Exec line: xdg-open without a desktop it knows takes
    // the Exec line's first word as the program, quotes and all.
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = std::any_of(programPath.cbegin(), programPath.cend(),
                                   [](QChar c) { return kReserved.contains(c); });
    QString argument;
    for (const QChar c : programPath) {
        if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')))
            argument += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            argument += QLatin1Char('%');
        argument += c;
    }
    if (quote)
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    // Escapes of a string value, applied on top of the quoting.
    QString value;
    for (const QChar c : std::as_const(argument)) {
        switch (c.unicode()) {
        case '\\': value += QStringLiteral("\\\\"); break;
        case '\n': value += QStringLiteral("\\n"); break;
        case '\t': value += QStringLiteral("\\t"); break;
        case '\r': value += QStringLiteral("\\r"); break;
        default: value += c;
        }
    }
    return value + QStringLiteral(" %f");
}

QString FreedesktopAssociationStore::openCommand(const QString &appName) const
{
    return groupValue(desktopEntryPath(appName), kDesktopEntryGroup, QStringLiteral("Exec"));
}

void FreedesktopAssociationStore::setOpenCommand(const QString &appName, const QString &command)
{
    const QString path = desktopEntryPath(appName);
    const QStringList start = {QStringLiteral("Type=Application"), QStringLiteral("Name=") + appName,
                               QStringLiteral("Terminal=false")};
    if (!setGroupValue(path, kDesktopEntryGroup, QStringLiteral("Exec"), command, start))
        qCWarning(lcViewer) << "Cannot write" << path;
    runIfPresent(QStringLiteral("update-desktop-database"), {QFileInfo(path).absolutePath()});
}

void FreedesktopAssociationStore::setExtensionClass(const QString &extension, const QString &progId)
{
    const QString type = mimeTypeFor(extension);
    QString glob = extension;
    if (glob.startsWith(QLatin1Char('.')))
        glob.remove(0, 1);
    const QStringList package = {
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"),
        QStringLiteral("  <mime-type type=\"%1\">").arg(type),
        QStringLiteral("    <comment>%1 log file</comment>").arg(progId.toHtmlEscaped()),
        QStringLiteral("    <sub-class-of type=\"application/zip\"/>"),
        QStringLiteral("    <glob pattern=\"*.%1\"/>").arg(glob.toHtmlEscaped()),
        QStringLiteral("  </mime-type>"),
        QStringLiteral("</mime-info>"),
    };
    const QString packagePath = mimePackagePath(extension);
    if (!writeLines(packagePath, package))
        qCWarning(lcViewer) << "Cannot write" << packagePath;
    runIfPresent(QStringLiteral("update-mime-database"), {m_dataHome + QStringLiteral("/mime")});

    // The class's handler declares that it opens the type.
    const QString entry = desktopEntryPath(progId);
    const QString types = groupValue(entry, kDesktopEntryGroup, QStringLiteral("MimeType"));
    if (!setGroupValue(entry, kDesktopEntryGroup, QStringLiteral("MimeType"), withItem(types, type)))
        qCWarning(lcViewer) << "Cannot write" << entry;
}

void FreedesktopAssociationStore::setUserChoice(const QString &extension, const QString &progId)
{
    const QString type = mimeTypeFor(extension);
    const QString path = mimeAppsListPath();
    const QString name = desktopEntryName(progId);
    const QString added = groupValue(path, QStringLiteral("Added Associations"), type);
    bool ok = setGroupValue(path, QStringLiteral("Default Applications"), type, name + QLatin1Char(';'));
    ok = setGroupValue(path, QStringLiteral("Added Associations"), type, withItemFirst(added, name)) && ok;
    if (!ok)
        qCWarning(lcViewer) << "Cannot write" << path;
}

// ------------------------------------------------------------------ logic

std::unique_ptr<FileAssociationStore> platformAssociationStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistryAssociationStore>();
#else
    return std::make_unique<FreedesktopAssociationStore>();
#endif
}

bool isFileAssociationRegistered(const FileAssociationStore &store, const QString &appName,
                                 const QString &programPath)
{
    return store.openCommand(appName).compare(store.openCommandFor(programPath), Qt::CaseSensitive) == 0;
}

void registerFileAssociation(FileAssociationStore &store, const QString &appName, const QString &programPath)
{
    const QString extension = QString::fromLatin1(kLogFileExtension);
    store.setOpenCommand(appName, store.openCommandFor(programPath));
    store.setExtensionClass(extension, appName);
    store.setUserChoice(extension, appName);
}
