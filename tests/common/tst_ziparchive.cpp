#include "ZipArchive.h"

#include "HandMadeZip.h"
#include "InteropTools.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using Zippy::ZipArchive;

namespace {

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Prints, as JSON, what python's zipfile sees of an archive: per entry its
// method, sizes, CRC, where its raw data lies and that data in hex.
const char *kDescribeScript = R"(
import json, sys, zipfile
out = {}
with zipfile.ZipFile(sys.argv[1]) as z:
    bad = z.testzip()
    raw = open(sys.argv[1], 'rb').read()
    for i in z.infolist():
        o = i.header_offset
        n = int.from_bytes(raw[o + 26:o + 28], 'little')
        e = int.from_bytes(raw[o + 28:o + 30], 'little')
        start = o + 30 + n + e
        out[i.filename] = {'method': i.compress_type, 'csize': i.compress_size, 'size': i.file_size,
                           'crc': i.CRC, 'start': start, 'raw': raw[start:start + i.compress_size].hex(),
                           'data': z.read(i).hex()}
print(json.dumps({'bad': bad, 'entries': out, 'names': z.namelist()}))
)";

QJsonObject describe(const QString &path)
{
    const ToolResult result = runPython(QString::fromLatin1(kDescribeScript), {path});
    if (!result.started || result.exitCode != 0) {
        qWarning() << "python3 failed:" << result.errors;
        return {};
    }
    return QJsonDocument::fromJson(result.output).object();
}

// Writes an archive with python's zipfile from a list of
// [name, text, method, level] rows.
bool writeWithPython(const QString &path, const QJsonArray &rows)
{
    const char *script = R"(
import json, sys, warnings, zipfile
warnings.simplefilter('ignore')
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    for name, text, method, level in json.loads(sys.argv[2]):
        z.writestr(name, text.encode('utf-8'), compress_type=method, compresslevel=level)
)";
    const ToolResult result = runPython(QString::fromLatin1(script),
                                        {path, QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact))});
    if (!result.started || result.exitCode != 0)
        qWarning() << "python3 failed:" << result.errors;
    return result.started && result.exitCode == 0;
}

QJsonArray row(const char *name, const QString &text, int method = 8, int level = 6)
{
    return QJsonArray{QString::fromUtf8(name), text, method, level};
}

QString text(const std::vector<char> &bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QStringList toList(const std::vector<std::string> &names)
{
    QStringList list;
    for (const auto &name : names)
        list << QString::fromStdString(name);
    return list;
}

QString longText()
{
    QString s;
    for (int i = 0; i < 400; ++i)
        s += QStringLiteral("line %1 of a text that compresses well, %2\n").arg(i).arg(i * i % 97);
    return s;
}

} // namespace

class tst_ZipArchive : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void requirePython()
    {
        if (python3Program().isEmpty())
            QSKIP("python3 is not installed");
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void notOpen_data()
    {
        QTest::addColumn<bool>("afterClose");
        QTest::addColumn<QString>("operation");
        for (bool afterClose : {false, true}) {
            const char *how = afterClose ? "closed" : "default";
            for (const char *op : {"AddEntry", "GetEntry", "GetEntryNames", "HasEntry", "GetEntryCrc32", "Save"})
                QTest::addRow("%s %s", how, op) << afterClose << QString::fromLatin1(op);
        }
    }

    // Every operation that needs an archive refuses a default-constructed or
    // closed one with its own message.
    void notOpen()
    {
        QFETCH(bool, afterClose);
        QFETCH(QString, operation);
        ZipArchive archive;
        if (afterClose) {
            archive.Create(local(file(QStringLiteral("closed.zip"))));
            archive.AddEntry("a.txt", std::string("a"));
            archive.Close();
        }
        QVERIFY(!archive.IsOpen());
        const std::map<QString, std::function<void()>> calls = {
            {QStringLiteral("AddEntry"), [&] { archive.AddEntry("x", std::string("y")); }},
            {QStringLiteral("GetEntry"), [&] { archive.GetEntry("x"); }},
            {QStringLiteral("GetEntryNames"), [&] { archive.GetEntryNames(true, true); }},
            {QStringLiteral("HasEntry"), [&] { archive.HasEntry("x"); }},
            {QStringLiteral("GetEntryCrc32"), [&] { archive.GetEntryCrc32("x"); }},
            {QStringLiteral("Save"), [&] { archive.Save(); }},
        };
        try {
            calls.at(operation)();
            QFAIL("no exception");
        } catch (const Zippy::ZipLogicError &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Cannot call %1 on empty ZipArchive object!").arg(operation));
        }
        archive.Close();
        QVERIFY(!QFile::exists(file(QStringLiteral("closed.zip"))));
    }

    void readingNeverCreates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.zip" << QByteArray() << "No such file";
        QTest::newRow("zero bytes") << "zero.zip" << QByteArray("") << "Not a zip archive";
        QTest::newRow("text") << "text.zip" << QByteArray("just some text, not an archive\n")
                              << "Not a zip archive";
        QTest::newRow("end record cut short") << "short.zip" << QByteArray("PK\x05\x06\0\0\0\0\0\0", 10)
                                              << "Not a zip archive";
    }

    // A reader handed a path that is no archive gets an error, and the file
    // stays as it was (a missing one stays missing).
    void readingNeverCreates()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = file(name);
        if (!content.isNull())
            writeFile(path, content);
        try {
            ZipArchive archive(local(path));
            QFAIL("opened");
        } catch (const Zippy::ZipRuntimeError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), message);
        }
        ZipArchive archive;
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.Open(local(path)));
        QVERIFY(!archive.IsOpen());
        QCOMPARE(QFile::exists(path), !content.isNull());
        if (!content.isNull())
            QCOMPARE(fileBytes(path), content);
    }

    // What the layer writes, unzip and python's zipfile read; saving to the
    // archive's own path replaces it and leaves no temporary file behind.
    void writtenArchivesReadElsewhere()
    {
        requirePython();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.zip"));
        std::vector<char> binary(70000);
        for (std::size_t i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919) >> 3);
        {
            ZipArchive archive;
            archive.Create(local(path));
            QVERIFY(archive.IsOpen());
            QVERIFY(!QFile::exists(path)); // nothing on disk before Save
            archive.AddEntry("metadata.json", std::string("{\n    \"a\": 1\n}"));
            archive.AddEntry("data/bin/blob.bin", binary);
            archive.AddEntry("text/long.txt", longText().toStdString());
            archive.Save();
            QCOMPARE(toList(archive.GetEntryNames(false, true)),
                     QStringList({"metadata.json", "data/bin/blob.bin", "text/long.txt"}));
            // Changing one entry and saving in place.
            archive.AddEntry("metadata.json", std::string("{}"));
            archive.Save();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.zip"});

        const ToolResult unzip = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), path});
        if (unzip.started)
            QVERIFY2(unzip.exitCode == 0, unzip.output.constData());

        const QJsonObject seen = describe(path);
        QVERIFY(seen.value("bad").isNull());
        QCOMPARE(seen.value("names").toArray().toVariantList(),
                 QVariantList({"metadata.json", "data/bin/blob.bin", "text/long.txt"}));
        const QJsonObject entries = seen.value("entries").toObject();
        QCOMPARE(entries.value("metadata.json").toObject().value("data").toString(), QByteArray("{}").toHex());
        QCOMPARE(entries.value("data/bin/blob.bin").toObject().value("data").toString().toLatin1(),
                 QByteArray(binary.data(), qsizetype(binary.size())).toHex());
        QCOMPARE(entries.value("text/long.txt").toObject().value("method").toInt(), 8);

        ZipArchive again(local(path));
        QCOMPARE(text(again.GetEntry("text/long.txt").GetData()), longText());
        QCOMPARE(again.GetEntry("data/bin/blob.bin").GetData(), binary);
    }

    // Archives written by python's zipfile, with explicit directories and
    // stored and deflated entries.
    void readsForeignArchives()
    {
        requirePython();
        const QString path = file(QStringLiteral("foreign.zip"));
        QVERIFY(writeWithPython(path, QJsonArray{
            row("docs/", QString(), 0), row("stored.txt", QStringLiteral("stored bytes"), 0),
            row("deflated.json", QStringLiteral("{\"a\": 1}").repeated(100), 8, 9),
            row("docs/readme.md", QStringLiteral("# read me")), row("empty.txt", QString()),
            row("twice.txt", QStringLiteral("one")), row("between.txt", QStringLiteral("b")),
            row("\xc3\xbcnic\xc3\xb6" "de/\xc3\xa9.txt", QStringLiteral("utf-8 name"))}));

        ZipArchive archive(local(path));
        const QStringList expected = {"docs/", "stored.txt", "deflated.json", "docs/readme.md",
                                      "empty.txt", "twice.txt", "between.txt",
                                      QString::fromUtf8("\xc3\xbcnic\xc3\xb6" "de/\xc3\xa9.txt"),
                                      QString::fromUtf8("\xc3\xbcnic\xc3\xb6" "de/")};
        QCOMPARE(toList(archive.GetEntryNames(true, true)), expected);
        QCOMPARE(archive.GetEntry("stored.txt").GetDataAsText(), std::string("stored bytes"));
        QCOMPARE(text(archive.GetEntry("deflated.json").GetData()), QStringLiteral("{\"a\": 1}").repeated(100));
        QCOMPARE(archive.GetEntry("twice.txt").GetDataAsText(), std::string("one"));
        QVERIFY(archive.GetEntry("docs/").IsDirectory());
        QVERIFY(archive.GetEntry("docs/").GetData().empty());
        QCOMPARE(archive.GetEntry("\xc3\xbcnic\xc3\xb6" "de/\xc3\xa9.txt").GetDataAsText(), std::string("utf-8 name"));

        // A saved copy holds the files once each and no directory entries.
        const QString copy = file(QStringLiteral("foreign-copy.zip"));
        archive.Save(local(copy));
        QCOMPARE(archive.GetPath(), local(copy));
        const QJsonObject seen = describe(copy);
        QVERIFY(seen.value("bad").isNull());
        QCOMPARE(seen.value("names").toArray().toVariantList(),
                 QVariantList({"stored.txt", "deflated.json", "docs/readme.md", "empty.txt", "twice.txt",
                               "between.txt", QString::fromUtf8("\xc3\xbcnic\xc3\xb6" "de/\xc3\xa9.txt")}));
        const QJsonObject entries = seen.value("entries").toObject();
        QCOMPARE(entries.value("twice.txt").toObject().value("data").toString(), QByteArray("one").toHex());
        QCOMPARE(entries.value("stored.txt").toObject().value("method").toInt(), 0);
    }

    // One file a/b/c.json brings a/b/ and a/ along, in memory only.
    void directoriesLiveInMemory()
    {
        requirePython();
        const QString path = file(QStringLiteral("nested.zip"));
        QVERIFY(writeWithPython(path, QJsonArray{row("a/b/c.json", QStringLiteral("{}"))}));
        ZipArchive archive(local(path));
        QCOMPARE(toList(archive.GetEntryNames(true, true)), QStringList({"a/b/c.json", "a/", "a/b/"}));
        QCOMPARE(toList(archive.GetEntryNames(false, true)), QStringList{"a/b/c.json"});
        QCOMPARE(toList(archive.GetEntryNames(true, false)), QStringList({"a/", "a/b/"}));
        QVERIFY(archive.HasEntry("a/"));
        QVERIFY(!archive.HasEntry("a"));
        QVERIFY(!archive.HasEntry("A/b/c.json"));

        archive.AddEntry("x/y.txt", std::string("y"));
        QCOMPARE(toList(archive.GetEntryNames(true, false)), QStringList({"a/", "a/b/", "x/"}));
        archive.Save();
        QCOMPARE(describe(path).value("names").toArray().toVariantList(), QVariantList({"a/b/c.json", "x/y.txt"}));
    }

    // Replacing an entry keeps its place; the entries not changed are copied
    // in their compressed form, byte for byte (a stored entry stays stored).
    void unchangedEntriesCopiedCompressed()
    {
        requirePython();
        const QString path = file(QStringLiteral("copy.zip"));
        QVERIFY(writeWithPython(path, QJsonArray{row("keep-level1.txt", longText(), 8, 1),
                                                 row("change.txt", QStringLiteral("old")),
                                                 row("keep-stored.txt", longText(), 0)}));
        const QJsonObject before = describe(path).value("entries").toObject();

        ZipArchive archive(local(path));
        archive.AddEntry("change.txt", std::string("new content"));
        QCOMPARE(toList(archive.GetEntryNames(true, true)),
                 QStringList({"keep-level1.txt", "change.txt", "keep-stored.txt"}));
        QCOMPARE(archive.GetEntry("change.txt").GetDataAsText(), std::string("new content"));
        archive.Save();
        QCOMPARE(archive.GetEntry("change.txt").GetDataAsText(), std::string("new content"));

        const QJsonObject after = describe(path).value("entries").toObject();
        for (const char *name : {"keep-level1.txt", "keep-stored.txt"}) {
            const QJsonObject a = before.value(name).toObject();
            const QJsonObject b = after.value(name).toObject();
            QCOMPARE(b.value("method"), a.value("method"));
            QCOMPARE(b.value("crc"), a.value("crc"));
            QCOMPARE(b.value("raw"), a.value("raw"));
        }
        QCOMPARE(after.value("change.txt").toObject().value("data").toString(), QByteArray("new content").toHex());
    }

    void corruptedData_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("deflated") << "deflated.txt";
        QTest::newRow("stored") << "stored.txt";
    }

    // A damaged entry is an error, never a buffer of zeros or wrong bytes.
    void corruptedData()
    {
        requirePython();
        QFETCH(QString, entry);
        const QString path = file(QStringLiteral("corrupt-%1.zip").arg(entry));
        QVERIFY(writeWithPython(path, QJsonArray{row("deflated.txt", longText()), row("stored.txt", longText(), 0),
                                                 row("intact.txt", QStringLiteral("fine"))}));
        const QJsonObject info = describe(path).value("entries").toObject().value(entry).toObject();
        QByteArray bytes = fileBytes(path);
        const int at = info.value("start").toInt() + info.value("csize").toInt() / 2;
        bytes[at] = char(bytes[at] ^ 0x5a);
        writeFile(path, bytes);

        ZipArchive archive(local(path));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.GetEntry(entry.toStdString()));
        QCOMPARE(archive.GetEntry("intact.txt").GetDataAsText(), std::string("fine"));
        // Saving copies the damaged entry as it is; the check of the written
        // file finds it and the archive on disk stays as it was.
        archive.AddEntry("intact.txt", std::string("changed"));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.Save());
        QCOMPARE(fileBytes(path), bytes);
        for (const QString &left : QDir(m_dir.path()).entryList({"*.tmp"}, QDir::Files))
            QFile::remove(m_dir.filePath(left));
    }

    void truncatedArchive()
    {
        ZipArchive archive;
        const QString path = file(QStringLiteral("whole.zip"));
        archive.Create(local(path));
        archive.AddEntry("a.txt", longText().toStdString());
        archive.Save();
        archive.Close();
        const QByteArray bytes = fileBytes(path);
        writeFile(path, bytes.left(bytes.size() - 30));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, ZipArchive(local(path)));
    }

    void getEntryFailures()
    {
        ZipArchive archive;
        archive.Create(local(file(QStringLiteral("get.zip"))));
        archive.AddEntry("dir/empty.txt", std::string());
        try {
            archive.GetEntry("nothing.txt");
            QFAIL("no exception");
        } catch (const Zippy::ZipRuntimeError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("No such file"));
        }
        // A file entry without bytes is refused; a directory is fine.
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.GetEntry("dir/empty.txt"));
        QVERIFY(archive.GetEntry("dir/").IsDirectory());
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.AddEntry("", std::string("x")));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.AddEntry(std::string(512, 'n'), std::string("x")));
        archive.AddEntry(std::string(511, 'n'), std::string("x"));
        archive.Close();
        archive.Create(local(file(QStringLiteral("get.zip"))));
        archive.AddEntry("dir/empty.txt", std::string());
        QCOMPARE(toList(archive.GetEntryNames(true, true)), QStringList({"dir/", "dir/empty.txt"}));
    }

    // The CRC-32 an archive file states for an entry; an entry that exists
    // in memory only has none yet.
    void entryCrcAsStored()
    {
        ZipArchive archive;
        archive.Create(local(file(QStringLiteral("crc.zip"))));
        archive.AddEntry("digits.txt", std::string("123456789"));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipLogicError, archive.GetEntryCrc32("digits.txt"));
        archive.Save();
        QCOMPARE(archive.GetEntryCrc32("digits.txt"), 0xCBF43926u);
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.GetEntryCrc32("nothing.txt"));
        archive.Close();
        QCOMPARE(ZipArchive(local(file(QStringLiteral("crc.zip")))).GetEntryCrc32("digits.txt"), 0xCBF43926u);
    }

    // The target changes only when a complete, checked archive replaces it.
    void targetReplacedOnlyWhenComplete()
    {
        const QString path = file(QStringLiteral("target.zip"));
        {
            ZipArchive archive;
            archive.Create(local(path));
            archive.AddEntry("old.txt", std::string("old"));
            archive.Save();
        }
        const QByteArray old = fileBytes(path);
        ZipArchive archive;
        archive.Create(local(path));
        QCOMPARE(fileBytes(path), old);
        archive.AddEntry("new.txt", std::string("new"));

        // A folder that is a file cannot take the temporary file.
        const QString notAFolder = file(QStringLiteral("plain-file"));
        writeFile(notAFolder, "x");
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, archive.Save(local(notAFolder + "/target.zip")));
        QVERIFY(archive.IsOpen());
        QCOMPARE(fileBytes(path), old);

        archive.Save();
        QCOMPARE(toList(ZipArchive(local(path)).GetEntryNames()), QStringList{"new.txt"});
    }

    // An archive without files is the bare 22-byte end record.
    void emptyArchive()
    {
        const QString path = file(QStringLiteral("empty.zip"));
        ZipArchive archive;
        archive.Create(local(path));
        archive.AddEntry("only/a/folder/", std::string());
        archive.Save();
        QCOMPARE(QFileInfo(path).size(), 22);
        QVERIFY(archive.GetEntryNames().empty());
        if (!python3Program().isEmpty())
            QCOMPARE(describe(path).value("names").toArray().size(), 0);
    }

    void hostileArchives_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("entry"); // read after opening; empty: opening fails
        QTest::addColumn<QString>("error");

        // One name of 65,000 slashes: every prefix would become a folder.
        QTest::newRow("long name") << handMadeZip({{QByteArray(65000, '/') + "x", "x"}}) << QByteArray()
                                   << "Entry name longer than 511 bytes: //////";
        // Names within the length limit whose folders differ from the first
        // level on: each would add some 250 folders of 250 bytes on average.
        std::vector<HandMadeEntry> deep;
        for (int i = 0; i < 64; ++i)
            deep.push_back({QByteArray::number(i) + "/" + QByteArray("a/").repeated(250) + "x", "x"});
        QTest::newRow("deep names") << handMadeZip(deep) << QByteArray() << "more folder levels";
        QTest::newRow("duplicate names")
            << handMadeZip({{"metadata.json", "{}"}, {"data.json", "[]"}, {"metadata.json", "{\"x\": 1}"}})
            << QByteArray() << "Entry name appears more than once: metadata.json";
        QTest::newRow("neighbouring duplicates") << handMadeZip({{"a.txt", "1"}, {"a.txt", "2"}}) << QByteArray()
                                                 << "Entry name appears more than once: a.txt";
        QTest::newRow("announces 4 GB") << handMadeZip({{"data.json", "[]", 0xFFFFFFF0u}}) << QByteArray("data.json")
                                        << "Entry too large: data.json announces 4294967280 bytes";
        // Within the limit, but more than the archive holds: the read runs out
        // of data long before the announced size is allocated.
        QTest::newRow("announces more than it holds")
            << handMadeZip({{"data.json", "[]", 600u << 20}}) << QByteArray("data.json") << QString();
    }

    // Archives made to exhaust or confuse a reader are refused with a text
    // that says what is wrong.
    void hostileArchives()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, entry);
        QFETCH(QString, error);
        const QString path = file(QStringLiteral("hostile.zip"));
        writeFile(path, bytes);
        try {
            ZipArchive archive(local(path));
            QVERIFY2(!entry.isEmpty(), "the archive opened");
            archive.GetEntry(entry.toStdString());
            QFAIL("the entry was read");
        } catch (const Zippy::ZipRuntimeError &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(error), e.what());
        }
    }

    // Names that are not UTF-8 (code page 437, or bytes of no encoding) are
    // handed out and written back byte for byte.
    void namesKeepTheirBytes()
    {
        const QString path = file(QStringLiteral("cp437.zip"));
        writeFile(path, handMadeZip({{"caf\x82.txt", "coffee"}, {"raw\xff\xfe/n.txt", "raw"}}));
        ZipArchive archive(local(path));
        QCOMPARE(archive.GetEntryNames(false, true), std::vector<std::string>({"caf\x82.txt", "raw\xff\xfe/n.txt"}));
        QCOMPARE(archive.GetEntry("caf\x82.txt").GetDataAsText(), std::string("coffee"));
        archive.AddEntry("new.txt", std::string("new"));
        archive.Save();

        const QByteArray saved = fileBytes(path);
        QCOMPARE(saved.count("caf\x82.txt"), 2); // local and central header
        QCOMPARE(saved.count("raw\xff\xfe/n.txt"), 2);
        QVERIFY(!saved.contains("caf\xc3\xa9"));
        QCOMPARE(ZipArchive(local(path)).GetEntry("raw\xff\xfe/n.txt").GetDataAsText(), std::string("raw"));
    }

    void tempName()
    {
        const std::string a = ZipArchive::randomTempName();
        const std::string b = ZipArchive::randomTempName();
        QCOMPARE(a.size(), std::size_t(24));
        QVERIFY(QString::fromStdString(a).contains(QRegularExpression(QStringLiteral("^[a-z0-9]{20}\\.tmp$"))));
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(tst_ZipArchive)
#include "tst_ziparchive.moc"
