#include "ZipEntryStream.h"

#include <zip.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes the entries uncompressed, so a test can find and change their bytes.
bool writeStored(const QString &path, const QList<QPair<QByteArray, QByteArray>> &entries)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto &entry : entries) {
        zip_source_t *source = zip_source_buffer(archive, entry.second.constData(),
                                                 static_cast<zip_uint64_t>(entry.second.size()), 0);
        const zip_int64_t index = zip_file_add(archive, entry.first.constData(), source, 0);
        if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) < 0) {
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// Replaces every `from` in the file's bytes with `to` of the same length.
bool patch(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    if (!bytes.contains(from))
        return false;
    bytes.replace(from, to);
    file.seek(0);
    return file.write(bytes) == bytes.size();
}

QByteArray readAll(Zippy::ZipEntryStream &stream)
{
    QByteArray all;
    const char *begin = nullptr;
    const char *end = nullptr;
    while (stream.next(begin, end))
        all.append(begin, end - begin);
    return all;
}

} // namespace

class TestZipEntryStream : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void readsTheWholeEntry_data()
    {
        QTest::addColumn<int>("ahead");
        QTest::newRow("on the reader's thread") << 0;
        QTest::newRow("inflated ahead") << 2;
    }

    void readsTheWholeEntry()
    {
        QFETCH(int, ahead);
        // Several chunks and a part of one, compressed.
        QByteArray text;
        for (qint64 i = 0; text.size() < (5 << 20) / 2; ++i)
            text += QByteArray::number(i * 7919 % 100003) + ',';
        const QString path = dir.filePath("big.zip");
        int error = 0;
        zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        QVERIFY(archive);
        zip_file_add(archive, "a.txt", zip_source_buffer(archive, "a", 1, 0), 0);
        zip_file_add(archive, "data.json", zip_source_buffer(archive, text.constData(), text.size(), 0), 0);
        QCOMPARE(zip_close(archive), 0);

        Zippy::ZipEntryStream stream(QFile::encodeName(path).toStdString(), "data.json");
        QCOMPARE(stream.size(), std::uint64_t(text.size()));
        stream.readAhead(ahead);
        QCOMPARE(readAll(stream), text);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QVERIFY(dir.isValid());

        const QString missing = dir.filePath("missing.zip");
        QVERIFY(writeStored(missing, {{"metadata.json", "{}"}}));
        QTest::newRow("missing entry is named") << missing << "data.json: No such file";

        // The second name is made equal to the first after writing, as
        // libzip itself never writes two entries of one name.
        const QString twice = dir.filePath("twice.zip");
        QVERIFY(writeStored(twice, {{"data.json", "[1]"}, {"metadata.json", "{}"}, {"data.jsoX", "[2]"}}));
        QVERIFY(patch(twice, "data.jsoX", "data.json"));
        QTest::newRow("two entries of one name") << twice << "Entry name appears more than once: data.json";

        const QString damaged = dir.filePath("damaged.zip");
        QVERIFY(writeStored(damaged, {{"data.json", "[1,2,3,4,5,6,7,8,9]"}}));
        QVERIFY(patch(damaged, "[1,2,3,4,5,6,7,8,9]", "[1,2,3,4,5,6,7,8,8]"));
        QTest::newRow("checksum mismatch") << damaged << "CRC error";

        const QString plain = dir.filePath("plain.zip");
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no archive");
        file.close();
        QTest::newRow("not an archive") << plain << "Not a zip archive";
    }

    void refuses()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        try {
            Zippy::ZipEntryStream stream(QFile::encodeName(path).toStdString(), "data.json");
            readAll(stream);
            QFAIL("read without an error");
        } catch (const Zippy::ZipRuntimeError &e) {
            QVERIFY2(QString::fromLocal8Bit(e.what()).contains(message), e.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestZipEntryStream)
#include "tst_zipentrystream.moc"
