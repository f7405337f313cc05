#include "LogSamples.h"

#include <QtTest>

#include <string>

using nlohmann::json;

namespace {

// Writes down everything the plot build gets to see of each sample.
class Recorder : public SampleSink
{
public:
    QStringList lines;
    void begin(qint64 count) override { lines << QStringLiteral("begin %1").arg(count); }
    void sample(const SampleRecord &r) override
    {
        QString line = r.isObject ? QStringLiteral("object") : QStringLiteral("not %1").arg(r.type);
        if (r.isObject) {
            line += QStringLiteral(" common %1/%2 time %3/%4=%5 count %6 values")
                        .arg(int(r.common))
                        .arg(r.common == SampleRecord::Field::Bad ? r.commonType : "")
                        .arg(int(r.time))
                        .arg(r.time == SampleRecord::Field::Bad ? r.timeType : "")
                        .arg(r.timeMs, 0, 'g', 17)
                        .arg(r.valueCount);
            for (int j = 0; j < r.numericValues; ++j)
                line += QStringLiteral(" %1").arg(r.values[j], 0, 'g', 17);
        }
        lines << line;
    }
};

struct Outcome
{
    QStringList lines;
    QString error; // "parse", "range" or empty
};

Outcome viaDocument(const std::string &text, int capacity)
{
    Outcome outcome;
    try {
        const json document = json::parse(text);
        Recorder recorder;
        readSamples(document, capacity, recorder);
        outcome.lines = recorder.lines;
    } catch (const json::parse_error &) {
        outcome.error = "parse";
    } catch (const json::out_of_range &) {
        outcome.error = "range";
    }
    return outcome;
}

Outcome viaStream(const std::string &text, int capacity, std::size_t chunk)
{
    Outcome outcome;
    std::size_t at = 0;
    const TextSource source = [&](const char *&begin, const char *&end) {
        if (at >= text.size())
            return false;
        const std::size_t n = std::min(chunk, text.size() - at);
        begin = text.data() + at;
        end = begin + n;
        at += n;
        return true;
    };
    const qint64 counted = [&] {
        ArrayElementCounter counter;
        for (std::size_t i = 0; i < text.size(); i += chunk)
            counter.feed(text.data() + i, text.data() + std::min(text.size(), i + chunk));
        return counter.count();
    }();
    try {
        Recorder recorder;
        streamSamples(source, capacity, [counted] { return counted; }, recorder);
        outcome.lines = recorder.lines;
    } catch (const json::parse_error &) {
        outcome.error = "parse";
    } catch (const json::out_of_range &) {
        outcome.error = "range";
    }
    return outcome;
}

} // namespace

class TestLogSamples : public QObject
{
    Q_OBJECT

    // Raw strings that hold an escaped quote confuse the meta-object
    // compiler, so such texts are written with plain escapes.

private slots:
    // The streamed reading must accept and reject exactly what the JSON
    // library does and see the same samples, whatever the chunk borders.
    void sameAsDocument_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        auto row = [](const char *name, const QByteArray &text, const char *error = "") {
            QTest::newRow(name) << text << QString::fromLatin1(error);
        };
        row("indented samples", QByteArray::fromStdString(json::array({
            {{"common", {{"sessionNumber", 7}, {"time_ms", 0}}}, {"data", {1.5, -2, 3u}}},
            {{"common", {{"sessionNumber", 7}, {"time_ms", 10}}}, {"data", {12.345000267028809, 0, 255}}},
        }).dump(4)));
        row("compact", R"([{"data":[1,2],"common":{"time_ms":5}},{"common":{"time_ms":6.5},"data":[]}])");
        row("empty list", "[]");
        row("whitespace everywhere", " \t\r\n[ \n{ \"common\" : { \"time_ms\" : 1 } , \"data\" : [ 1 , 2 ] } \n] \n");
        row("byte order mark", "\xEF\xBB\xBF[{\"common\":{\"time_ms\":1},\"data\":[1]}]");
        row("escaped keys", R"([{"\u0063ommon":{"time\u005fms":2},"d\u0061ta":[4]}])");
        row("duplicate keys, last wins", R"([{"data":[1],"common":{"time_ms":1,"time_ms":9},"data":[2,3]}])");
        row("other keys and nesting",
            "[{\"x\":{\"y\":[1,{\"z\":\"]}\\\"\"}]},\"common\":{\"s\":[1,2],\"time_ms\":3},\"data\":[1,[2],3]}]");
        row("strings of every kind", "[{\"common\":{\"time_ms\":1},\"data\":[\"a\\\"b\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\ud83d\\ude00\",\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"]}]");
        row("numbers", R"([{"common":{"time_ms":-0},"data":[0,-0,-0.0,1E3,1e+2,2.5e-3,18446744073709551615,18446744073709551616,-9223372036854775808,-9223372036854775809,123456789012345678901234,1e-400]}])");
        row("values that are not numbers", R"([{"common":{"time_ms":1},"data":[1,null,2]},{"common":{"time_ms":2},"data":[true]}])");
        row("data not an array", R"([{"common":{"time_ms":1},"data":{"a":1,"b":2,"a":3}},{"common":{"time_ms":2},"data":"x"},{"common":{"time_ms":3},"data":null}])");
        row("time of other types", R"([{"common":{"time_ms":"1"}},{"common":{"time_ms":[1]}},{"common":{"time_ms":null}},{"common":{}},{"common":5},{"common":null},{}])");
        row("samples that are no objects", R"([1,"two",[3],null,true])");
        row("document is an object", R"({"b":{"common":{"time_ms":2},"data":[2]},"a":{"common":{"time_ms":1},"data":[1]}})");
        row("document is null", "null");
        row("document is a number", "12");
        row("deep nesting", QByteArray("[{\"x\":") + QByteArray(5000, '[') + QByteArray(5000, ']') + "}]");

        row("empty", "", "parse");
        row("blank", " \n ", "parse");
        row("trailing comma", "[1,]", "parse");
        row("missing comma", "[{} {}]", "parse");
        row("unclosed", R"([{"common":{"time_ms":1},"data":[1])", "parse");
        row("trailing text", "[] x", "parse");
        row("second document", "[][]", "parse");
        row("comment", "[/* no */]", "parse");
        row("single quotes", "['a']", "parse");
        row("leading zero", "[01]", "parse");
        row("bare fraction", "[.5]", "parse");
        row("dot without digits", "[1.]", "parse");
        row("exponent without digits", "[1e+]", "parse");
        row("plus sign", "[+1]", "parse");
        row("minus alone", "[-]", "parse");
        row("bad literal", "[tru]", "parse");
        row("capital literal", "[Null]", "parse");
        row("number overflow", "[1e400]", "range");
        row("unquoted key", "[{a:1}]", "parse");
        row("key not a string", "[{1:1}]", "parse");
        row("missing colon", R"([{"a" 1}])", "parse");
        row("raw line feed in string", "[\"a\nb\"]", "parse");
        row("bad escape", R"(["\x"])", "parse");
        row("short unicode escape", R"(["\u12"])", "parse");
        row("lone low surrogate", R"(["\udc00"])", "parse");
        row("high surrogate alone", R"(["\ud800x"])", "parse");
        row("overlong UTF-8", "[\"\xC0\x80\"]", "parse");
        row("UTF-8 surrogate", "[\"\xED\xA0\x80\"]", "parse");
        row("byte beyond UTF-8", "[\"\xF5\x80\x80\x80\"]", "parse");
        row("cut UTF-8", "[\"\xE2\x82\"]", "parse");
        row("broken byte order mark", "\xEF\xBB[]", "parse");
        row("unclosed string", "[\"abc", "parse");
        row("error deep in a sample", R"([{"common":{"time_ms":1},"data":[1,2}]}])", "parse");
    }

    void sameAsDocument()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const std::string input = text.toStdString();
        const Outcome expected = viaDocument(input, 3);
        QCOMPARE(expected.error, error);
        for (std::size_t chunk : {std::size_t(1), std::size_t(2), std::size_t(7), std::size_t(1) << 20}) {
            const Outcome streamed = viaStream(input, 3, chunk);
            QCOMPARE(streamed.error, expected.error);
            QCOMPARE(streamed.lines, expected.lines);
        }
    }

    void parseErrorNamesThePlace()
    {
        const std::string text = "[\n  {\"common\": {\"time_ms\": 1}, \"data\": [1, x]}\n]";
        try {
            streamSamples(
                [&, done = false](const char *&begin, const char *&end) mutable {
                    if (done)
                        return false;
                    begin = text.data();
                    end = begin + text.size();
                    done = true;
                    return true;
                },
                1, [] { return qint64(1); }, *std::make_unique<Recorder>());
            QFAIL("no error");
        } catch (const json::parse_error &e) {
            QVERIFY2(QByteArray(e.what()).contains("line 2"), e.what());
            QCOMPARE(e.byte, std::size_t(text.find('x')));
        }
    }

    void counter_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("count");
        QTest::newRow("empty") << QByteArray(" [ ] ") << qint64(0);
        QTest::newRow("scalars") << QByteArray("[1, \"a,b\", null]") << qint64(3);
        QTest::newRow("nested commas") << QByteArray(R"([{"a":[1,2,{"b":","}]},[3,4]])") << qint64(2);
        QTest::newRow("escaped quotes") << QByteArray("[\"\\\"],[\", \"\\\\\", {\"k\":\"\\\\\\\"]\"}]") << qint64(3);
    }

    void counter()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, count);
        for (int chunk : {1, 3, 1000}) {
            ArrayElementCounter counter;
            for (int i = 0; i < text.size(); i += chunk)
                counter.feed(text.constData() + i, text.constData() + qMin<int>(text.size(), i + chunk));
            QCOMPARE(counter.count(), count);
        }
    }
};

QTEST_APPLESS_MAIN(TestLogSamples)
#include "tst_logsamples.moc"
