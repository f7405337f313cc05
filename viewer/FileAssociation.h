#pragma once

#include <QString>

#include <functional>
#include <memory>

// Where the association of the log-file extension with the viewer lives. The
// association has three parts: the command that opens a file, the class of
// the extension and the user's choice of handler for it. Each platform keeps
// them in its own store.
class FileAssociationStore
{
public:
    virtual ~FileAssociationStore() = default;

    // The command line that opens a file with the program at `programPath`,
    // in the form this store keeps it.
    virtual QString openCommandFor(const QString &programPath) const = 0;

    // The stored open command of `appName`; empty when there is none or it
    // cannot be read.
    virtual QString openCommand(const QString &appName) const = 0;
    virtual void setOpenCommand(const QString &appName, const QString &command) = 0;

    // Files with `extension` (".verira") belong to the class `progId`.
    virtual void setExtensionClass(const QString &extension, const QString &progId) = 0;

    // The user's handler of `extension` is `progId`.
    virtual void setUserChoice(const QString &extension, const QString &progId) = 0;
};

// The current user's registry hive, reached through native settings paths.
// Reads and writes go through two functions so the layout can be checked
// where there is no registry; by default they use QSettings::NativeFormat.
class RegistryAssociationStore : public FileAssociationStore
{
public:
    // `read(keyPath, valueName)` and `write(keyPath, valueName, value)`; the
    // value name "." is a key's default value.
    using Reader = std::function<QString(const QString &keyPath, const QString &valueName)>;
    using Writer = std::function<void(const QString &keyPath, const QString &valueName, const QString &value)>;

    RegistryAssociationStore();
    RegistryAssociationStore(Reader read, Writer write);

    QString openCommandFor(const QString &programPath) const override;
    QString openCommand(const QString &appName) const override;
    void setOpenCommand(const QString &appName, const QString &command) override;
    void setExtensionClass(const QString &extension, const QString &progId) override;
    void setUserChoice(const QString &extension, const QString &progId) override;

    static QString commandKeyPath(const QString &appName);
    static QString extensionKeyPath(const QString &extension);
    static QString userChoiceKeyPath(const QString &extension);

private:
    Reader m_read;
    Writer m_write;
};

// A freedesktop desktop, in the user's own data and config folders: a desktop
// entry "<progId>.desktop" in <data>/applications whose Exec line is the open
// command, a MIME type "application/x-<ext>" with the glob "*.<ext>" in
// <data>/mime/packages, and the desktop entry as the type's default
// application in <config>/mimeapps.list.
class FreedesktopAssociationStore : public FileAssociationStore
{
public:
    // Empty folders mean the user's ones ($XDG_DATA_HOME, $XDG_CONFIG_HOME).
    explicit FreedesktopAssociationStore(const QString &dataHome = QString(),
                                         const QString &configHome = QString());

    QString openCommandFor(const QString &programPath) const override;
    QString openCommand(const QString &appName) const override;
    void setOpenCommand(const QString &appName, const QString &command) override;
    void setExtensionClass(const QString &extension, const QString &progId) override;
    void setUserChoice(const QString &extension, const QString &progId) override;

    static QString mimeTypeFor(const QString &extension);
    QString desktopEntryPath(const QString &appName) const;
    QString mimePackagePath(const QString &extension) const;
    QString mimeAppsListPath() const;

private:
    QString m_dataHome;
    QString m_configHome;
};

// The store of the platform the program runs on.
std::unique_ptr<FileAssociationStore> platformAssociationStore();

// True when the stored open command of `appName` is exactly the one of the
// program at `programPath` (case-sensitive).
bool isFileAssociationRegistered(const FileAssociationStore &store, const QString &appName,
                                 const QString &programPath);

// Writes the open command, the extension's class and the user's choice.
void registerFileAssociation(FileAssociationStore &store, const QString &appName, const QString &programPath);
