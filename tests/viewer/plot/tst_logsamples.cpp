#include "LogSamples.h"

#include <nlohmann/json.hpp>

#include <QtTest>

#include <string>

using nlohmann::json;

namespace {

const char kNull[] = "null";
const char kObject[] = "object";

// The reference: what the JSON library's parsed document says of one sample.
void fillRecord(const json &element, std::vector<double> &values, SampleRecord &record)
{
    record = SampleRecord{};
    record.values = values.data();
    if (!element.is_object()) {
        record.isObject = false;
        record.type = element.type_name();
        return;
    }
    const auto common = element.find("common");
    if (common == element.end()) {
        record.common = SampleRecord::Field::Missing;
    } else if (common->is_null()) {
        record.common = SampleRecord::Field::Null;
    } else if (common->is_object()) {
        record.common = SampleRecord::Field::Good;
        record.commonType = kObject;
        const auto time = common->find("time_ms");
        if (time == common->end()) {
            record.time = SampleRecord::Field::Missing;
        } else if (time->is_null()) {
            record.time = SampleRecord::Field::Null;
        } else if (time->is_number()) {
            record.time = SampleRecord::Field::Good;
            record.timeMs = time->get<double>();
        } else {
            record.time = SampleRecord::Field::Bad;
            record.timeType = time->type_name();
        }
    } else {
        record.common = SampleRecord::Field::Bad;
        record.commonType = common->type_name();
    }

    const auto data = element.find("data");
    if (data == element.end() || data->is_null())
        return;
    if (data->is_array()) {
        record.valueCount = static_cast<qint64>(data->size());
        const std::size_t n = std::min(data->size(), values.size());
        for (std::size_t j = 0; j < n; ++j) {
            const json &value = (*data)[j];
            if (!value.is_number())
                break;
            values[j] = value.get<double>();
            record.numericValues = static_cast<int>(j + 1);
        }
    } else if (data->is_object()) {
        record.valueCount = static_cast<qint64>(data->size());
    } else {
        record.valueCount = 1;
    }
}

// Writes down everything the plot build gets to see of each sample.
class Recorder : public SampleSink
{
public:
    QStringList lines;
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
    // A text that starts a value other than an array is refused by its first
    // byte (after a byte order mark at the very start), whatever follows.
    const std::size_t first = text.find_first_not_of(" \t\r\n", text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0);
    if (first != std::string::npos && std::string("{\"tfn-0123456789").find(text[first]) != std::string::npos) {
        outcome.error = "type";
        return outcome;
    }
    try {
        const json document = json::parse(text);
        if (!document.is_array()) {
            outcome.error = "type";
            return outcome;
        }
        std::vector<double> values(static_cast<std::size_t>(capacity));
        SampleRecord record;
        Recorder recorder;
        for (const json &element : document) {
            fillRecord(element, values, record);
            recorder.sample(record);
        }
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
    Recorder recorder;
    try {
        streamSamples(source, capacity, recorder);
    } catch (const json::parse_error &) {
        outcome.error = "parse";
    } catch (const json::out_of_range &) {
        outcome.error = "range";
    } catch (const json::type_error &) {
        outcome.error = "type";
    }
    // Samples handed on before an error do not matter: the build fails.
    if (outcome.error.isEmpty())
        outcome.lines = recorder.lines;
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
        row("NUL after the document", QByteArray("[{\"common\":{\"time_ms\":1}}] \0 [x", 30));
        row("NUL right after the document", QByteArray("[]\0", 3));
        row("deep nesting", QByteArray("[{\"x\":") + QByteArray(5000, '[') + QByteArray(5000, ']') + "}]");

        row("document is an object", R"({"b":{"common":{"time_ms":2},"data":[2]},"a":{"common":{"time_ms":1},"data":[1]}})", "type");
        row("document is null", "null", "type");
        row("document is a number", " 12 ", "type");
        row("document is a deep array in an object", QByteArray("{\"x\":") + QByteArray(100000, '[') + QByteArray(100000, ']') + "}", "type");
        row("broken object", "{\"a\":", "type");
        row("object with trailing text", "{} x", "type");
        row("NUL inside the list", QByteArray("[1,\0]", 5), "parse");
        row("NUL before the document", QByteArray("\0[]", 3), "parse");
        row("NUL in a string", QByteArray("[\"a\0\"]", 6), "parse");
        row("byte order mark after blanks", " \xEF\xBB\xBF[]", "parse");
        row("byte order mark after blanks before an object", "\n\xEF\xBB\xBF{}", "parse");
        row("byte order mark before an object", "\xEF\xBB\xBF {}", "type");
        row("overflow followed by a stray minus", "[1e400-1]", "range");
        row("number followed by a stray minus", "[1-1]", "parse");
        row("underflow followed by a stray minus", "[1e-400-1]", "parse");
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
                1, *std::make_unique<Recorder>());
            QFAIL("no error");
        } catch (const json::parse_error &e) {
            QVERIFY2(QByteArray(e.what()).contains("line 2"), e.what());
            QCOMPARE(e.byte, std::size_t(text.find('x')));
        }
    }
};

QTEST_APPLESS_MAIN(TestLogSamples)
#include "tst_logsamples.moc"
