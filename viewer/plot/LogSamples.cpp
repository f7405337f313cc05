#include "LogSamples.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <string>

using nlohmann::json;

namespace {

const char kNull[] = "null";
const char kObject[] = "object";
const char kArray[] = "array";
const char kString[] = "string";
const char kBoolean[] = "boolean";
const char kNumber[] = "number";

// A validating JSON reader over a chunked text that knows the shape of a
// sample list and extracts from each sample only what the plot needs.
class SampleStreamParser
{
public:
    SampleStreamParser(const TextSource &source, int capacity, SampleSink &sink)
        : m_source(source)
        , m_values(static_cast<std::size_t>(std::max(capacity, 0)))
        , m_sink(sink)
    {
    }

    void run();

private:
    bool refill();
    qint64 position() const { return m_consumed + (m_p - m_chunk); }
    int skipWhitespace();
    int get();
    [[noreturn]] void fail(const std::string &message) const;
    [[noreturn]] void failUnexpected(int c, const char *context, const char *expected) const;

    void expectLiteral(const char *rest);
    const char *scalar(int c, double *number);
    const char *skipValue();
    void parseString(std::string *out);
    void parseEscape(std::string *out);
    unsigned readHex4();
    int peek();
    double parseNumber();
    double convertNumber(const std::string &text, bool isInteger, bool negative);

    void parseSample();
    void parseCommon(SampleRecord &record);
    void parseData(SampleRecord &record);
    void readKey(int c);

    const TextSource &m_source;
    const char *m_p = nullptr;
    const char *m_end = nullptr;
    const char *m_chunk = nullptr;
    qint64 m_consumed = 0;
    qint64 m_line = 0;
    qint64 m_lineStart = 0;
    bool m_atEnd = false;
    std::string m_number;
    std::string m_key;
    std::vector<double> m_values;
    SampleSink &m_sink;
};

bool SampleStreamParser::refill()
{
    if (m_atEnd)
        return false;
    m_consumed += m_end - m_chunk;
    const char *begin = nullptr;
    const char *end = nullptr;
    while (m_source(begin, end)) {
        if (begin != end) {
            m_chunk = m_p = begin;
            m_end = end;
            return true;
        }
    }
    m_atEnd = true;
    m_chunk = m_p = m_end = nullptr;
    return false;
}

int SampleStreamParser::skipWhitespace()
{
    for (;;) {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ' || c == '\t' || c == '\r') {
                ++m_p;
            } else if (c == '\n') {
                ++m_p;
                ++m_line;
                m_lineStart = position();
            } else if (c == '\0') {
                // Where a token may start, the JSON library takes a NUL byte
                // for the end of the input.
                return -1;
            } else {
                return static_cast<unsigned char>(c);
            }
        }
        if (!refill())
            return -1;
    }
}

int SampleStreamParser::get()
{
    if (m_p == m_end && !refill())
        return -1;
    return static_cast<unsigned char>(*m_p++);
}

int SampleStreamParser::peek()
{
    if (m_p == m_end && !refill())
        return -1;
    return static_cast<unsigned char>(*m_p);
}

void SampleStreamParser::fail(const std::string &message) const
{
    const std::string where = "line " + std::to_string(m_line + 1) + ", column "
                              + std::to_string(position() - m_lineStart) + ": ";
    throw json::parse_error::create(101, static_cast<std::size_t>(position()), where + message, nullptr);
}

void SampleStreamParser::failUnexpected(int c, const char *context, const char *expected) const
{
    std::string what = std::string("syntax error while parsing ") + context + " - ";
    if (c < 0)
        what += "unexpected end of input";
    else
        what += std::string("unexpected '") + static_cast<char>(c) + "'";
    what += std::string("; expected ") + expected;
    fail(what);
}

void SampleStreamParser::expectLiteral(const char *rest)
{
    for (const char *r = rest; *r; ++r) {
        if (get() != static_cast<unsigned char>(*r))
            fail("syntax error while parsing value - invalid literal");
    }
}

// One value that starts with `c` and is not a container. Returns its type
// name; a number's value goes to `number` when given.
const char *SampleStreamParser::scalar(int c, double *number)
{
    switch (c) {
    case '"':
        ++m_p;
        parseString(nullptr);
        return kString;
    case 't':
        ++m_p;
        expectLiteral("rue");
        return kBoolean;
    case 'f':
        ++m_p;
        expectLiteral("alse");
        return kBoolean;
    case 'n':
        ++m_p;
        expectLiteral("ull");
        return kNull;
    case '-':
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9': {
        const double value = parseNumber();
        if (number)
            *number = value;
        return kNumber;
    }
    default:
        if (c < 0)
            failUnexpected(c, "value", "'[', '{', or a literal");
        fail("syntax error while parsing value - invalid literal");
    }
}

// Reads and checks any value, containers included, without recursion.
const char *SampleStreamParser::skipValue()
{
    int c = skipWhitespace();
    if (c != '[' && c != '{')
        return scalar(c, nullptr);

    enum class State { ValueOrClose, Value, KeyOrClose, Key, AfterValue };
    const char *type = c == '[' ? kArray : kObject;
    std::vector<char> stack;
    stack.push_back(static_cast<char>(c));
    ++m_p;
    State state = c == '[' ? State::ValueOrClose : State::KeyOrClose;
    for (;;) {
        if (state == State::AfterValue && stack.empty())
            return type;
        c = skipWhitespace();
        switch (state) {
        case State::ValueOrClose:
            if (c == ']') {
                ++m_p;
                stack.pop_back();
                state = State::AfterValue;
                break;
            }
            [[fallthrough]];
        case State::Value:
            if (c == '[') {
                stack.push_back('[');
                ++m_p;
                state = State::ValueOrClose;
            } else if (c == '{') {
                stack.push_back('{');
                ++m_p;
                state = State::KeyOrClose;
            } else {
                scalar(c, nullptr);
                state = State::AfterValue;
            }
            break;
        case State::KeyOrClose:
            if (c == '}') {
                ++m_p;
                stack.pop_back();
                state = State::AfterValue;
                break;
            }
            [[fallthrough]];
        case State::Key:
            if (c != '"')
                failUnexpected(c, "object key", "string literal");
            ++m_p;
            parseString(nullptr);
            c = skipWhitespace();
            if (c != ':')
                failUnexpected(c, "object separator", "':'");
            ++m_p;
            state = State::Value;
            break;
        case State::AfterValue: {
            const bool inArray = stack.back() == '[';
            if (c == ',') {
                ++m_p;
                state = inArray ? State::Value : State::Key;
            } else if (c == (inArray ? ']' : '}')) {
                ++m_p;
                stack.pop_back();
            } else {
                failUnexpected(c, inArray ? "array" : "object", inArray ? "']'" : "'}'");
            }
            break;
        }
        }
    }
}

unsigned SampleStreamParser::readHex4()
{
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = get();
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<unsigned>(c - 'A' + 10);
        else
            fail("syntax error while parsing value - invalid string: '\\u' must be followed by 4 hex digits");
    }
    return value;
}

void SampleStreamParser::parseEscape(std::string *out)
{
    const int c = get();
    char plain = 0;
    switch (c) {
    case '"': plain = '"'; break;
    case '\\': plain = '\\'; break;
    case '/': plain = '/'; break;
    case 'b': plain = '\b'; break;
    case 'f': plain = '\f'; break;
    case 'n': plain = '\n'; break;
    case 'r': plain = '\r'; break;
    case 't': plain = '\t'; break;
    case 'u': {
        unsigned codePoint = readHex4();
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            if (get() != '\\' || get() != 'u')
                fail("syntax error while parsing value - invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
            const unsigned low = readHex4();
            if (low < 0xDC00 || low > 0xDFFF)
                fail("syntax error while parsing value - invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
        } else if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
            fail("syntax error while parsing value - invalid string: surrogate U+DC00..U+DFFF must follow U+D800..U+DBFF");
        }
        if (out) {
            if (codePoint < 0x80) {
                out->push_back(static_cast<char>(codePoint));
            } else if (codePoint < 0x800) {
                out->push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            } else if (codePoint < 0x10000) {
                out->push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            } else {
                out->push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            }
        }
        return;
    }
    default:
        fail("syntax error while parsing value - invalid string: forbidden character after backslash");
    }
    if (out)
        out->push_back(plain);
}

// After the opening quote; checks escapes and UTF-8 as the JSON library does.
void SampleStreamParser::parseString(std::string *out)
{
    for (;;) {
        const char *run = m_p;
        while (m_p < m_end) {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80)
                break;
            ++m_p;
        }
        if (out)
            out->append(run, m_p);
        if (m_p == m_end) {
            if (!refill())
                fail("syntax error while parsing value - invalid string: missing closing quote");
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(*m_p++);
        if (c == '"')
            return;
        if (c == '\\') {
            parseEscape(out);
            continue;
        }
        if (c < 0x20)
            fail("syntax error while parsing value - invalid string: control character must be escaped");

        // A multi-byte UTF-8 sequence: lead byte c, then the allowed ranges of
        // its continuation bytes.
        int lo = 0x80, hi = 0xBF, more = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c == 0xE0) {
            more = 2; lo = 0xA0;
        } else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) {
            more = 2;
        } else if (c == 0xED) {
            more = 2; hi = 0x9F;
        } else if (c == 0xF0) {
            more = 3; lo = 0x90;
        } else if (c >= 0xF1 && c <= 0xF3) {
            more = 3;
        } else if (c == 0xF4) {
            more = 3; hi = 0x8F;
        } else {
            fail("syntax error while parsing value - invalid string: ill-formed UTF-8 byte");
        }
        if (out)
            out->push_back(static_cast<char>(c));
        for (int i = 0; i < more; ++i) {
            const int next = get();
            if (next < lo || next > hi)
                fail("syntax error while parsing value - invalid string: ill-formed UTF-8 byte");
            if (out)
                out->push_back(static_cast<char>(next));
            lo = 0x80;
            hi = 0xBF;
        }
    }
}

// Reads a number as the JSON library's lexer does: as far as the grammar of a
// number goes, so "1e400-1" is the number 1e400 followed by a stray "-".
double SampleStreamParser::parseNumber()
{
    m_number.clear();
    auto take = [this] {
        m_number.push_back(*m_p++);
    };
    auto digits = [this, &take] {
        int c;
        while ((c = peek()) >= '0' && c <= '9')
            take();
    };
    int c = peek();
    const bool negative = c == '-';
    if (negative) {
        take();
        c = peek();
    }
    if (c == '0') {
        take();
    } else if (c >= '1' && c <= '9') {
        digits();
    } else {
        fail("syntax error while parsing value - invalid number; expected digit after '-'");
    }
    bool isInteger = true;
    if (peek() == '.') {
        isInteger = false;
        take();
        c = peek();
        if (c < '0' || c > '9')
            fail("syntax error while parsing value - invalid number; expected digit after '.'");
        digits();
    }
    c = peek();
    if (c == 'e' || c == 'E') {
        isInteger = false;
        take();
        c = peek();
        if (c == '+' || c == '-') {
            take();
            c = peek();
        }
        if (c < '0' || c > '9')
            fail("syntax error while parsing value - invalid number; expected digit after exponent sign");
        digits();
    }
    return convertNumber(m_number, isInteger, negative);
}

namespace {

// Whether a decimal number whose conversion went out of range is too large
// (rather than too small) for a double: the place of its first significant
// digit, counted from the decimal point, plus its exponent.
bool overflows(const std::string &text)
{
    const std::size_t exponentAt = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string::npos) {
        std::size_t i = exponentAt + 1;
        const bool negative = text[i] == '-';
        if (text[i] == '+' || text[i] == '-')
            ++i;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return false; // zero
    const long long place = first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    return place + exponent > 0;
}

} // namespace

// The value of a number as the JSON library stores it and hands it out as a
// double: integers that fit 64 bits as such, everything else as the nearest
// double (too small a number reads as zero, too large a one is an error).
double SampleStreamParser::convertNumber(const std::string &text, bool isInteger, bool negative)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (isInteger) {
        if (negative) {
            qint64 value = 0;
            if (std::from_chars(begin, end, value).ec == std::errc())
                return static_cast<double>(value);
        } else {
            quint64 value = 0;
            if (std::from_chars(begin, end, value).ec == std::errc())
                return static_cast<double>(value);
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (overflows(text))
            throw json::out_of_range::create(406, "number overflow parsing '" + text + "'", nullptr);
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != end)
        fail("syntax error while parsing value - invalid number");
    return value;
}

void SampleStreamParser::readKey(int c)
{
    if (c != '"')
        failUnexpected(c, "object key", "string literal");
    ++m_p;
    m_key.clear();
    parseString(&m_key);
    c = skipWhitespace();
    if (c != ':')
        failUnexpected(c, "object separator", "':'");
    ++m_p;
}

void SampleStreamParser::parseCommon(SampleRecord &record)
{
    record.time = SampleRecord::Field::Missing;
    record.timeType = kNull;
    int c = skipWhitespace();
    if (c != '{') {
        const char *type = skipValue();
        record.common = type == kNull ? SampleRecord::Field::Null : SampleRecord::Field::Bad;
        record.commonType = type;
        return;
    }
    record.common = SampleRecord::Field::Good;
    record.commonType = kObject;
    ++m_p;
    c = skipWhitespace();
    if (c == '}') {
        ++m_p;
        return;
    }
    for (;;) {
        readKey(c);
        if (m_key == "time_ms") {
            c = skipWhitespace();
            if (c == '[' || c == '{') {
                record.time = SampleRecord::Field::Bad;
                record.timeType = skipValue();
            } else {
                double value = 0.0;
                const char *type = scalar(c, &value);
                record.timeType = type;
                if (type == kNumber) {
                    record.time = SampleRecord::Field::Good;
                    record.timeMs = value;
                } else {
                    record.time = type == kNull ? SampleRecord::Field::Null : SampleRecord::Field::Bad;
                }
            }
        } else {
            skipValue();
        }
        c = skipWhitespace();
        if (c == ',') {
            ++m_p;
            c = skipWhitespace();
            continue;
        }
        if (c == '}') {
            ++m_p;
            return;
        }
        failUnexpected(c, "object", "'}'");
    }
}

void SampleStreamParser::parseData(SampleRecord &record)
{
    record.valueCount = 0;
    record.numericValues = 0;
    int c = skipWhitespace();
    if (c == '[') {
        ++m_p;
        c = skipWhitespace();
        if (c == ']') {
            ++m_p;
            return;
        }
        const std::size_t capacity = m_values.size();
        bool allNumbers = true;
        std::size_t j = 0;
        for (;; ++j) {
            c = skipWhitespace();
            if (c == '[' || c == '{') {
                skipValue();
                allNumbers = false;
            } else {
                double value = 0.0;
                if (scalar(c, &value) != kNumber)
                    allNumbers = false;
                else if (allNumbers && j < capacity)
                    m_values[j] = value;
                if (allNumbers && j < capacity)
                    record.numericValues = static_cast<int>(j + 1);
            }
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                continue;
            }
            if (c == ']') {
                ++m_p;
                break;
            }
            failUnexpected(c, "array", "']'");
        }
        record.valueCount = static_cast<qint64>(j + 1);
        return;
    }
    if (c == '{') {
        // Members with one key count once, as in the parsed document.
        std::set<std::string> keys;
        ++m_p;
        c = skipWhitespace();
        if (c == '}') {
            ++m_p;
            return;
        }
        for (;;) {
            readKey(c);
            keys.insert(m_key);
            skipValue();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                c = skipWhitespace();
                continue;
            }
            if (c == '}') {
                ++m_p;
                break;
            }
            failUnexpected(c, "object", "'}'");
        }
        record.valueCount = static_cast<qint64>(keys.size());
        return;
    }
    record.valueCount = skipValue() == kNull ? 0 : 1;
}

void SampleStreamParser::parseSample()
{
    SampleRecord record;
    record.values = m_values.data();
    int c = skipWhitespace();
    if (c != '{') {
        record.isObject = false;
        record.type = skipValue();
        m_sink.sample(record);
        return;
    }
    ++m_p;
    c = skipWhitespace();
    if (c != '}') {
        for (;;) {
            readKey(c);
            if (m_key == "common")
                parseCommon(record);
            else if (m_key == "data")
                parseData(record);
            else
                skipValue();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                c = skipWhitespace();
                continue;
            }
            if (c == '}')
                break;
            failUnexpected(c, "object", "'}'");
        }
    }
    ++m_p;
    m_sink.sample(record);
}

void SampleStreamParser::run()
{
    refill();
    // A byte order mark at the very start is skipped, as the JSON library does.
    if (m_p < m_end && static_cast<unsigned char>(*m_p) == 0xEF) {
        ++m_p;
        if (get() != 0xBB || get() != 0xBF)
            fail("syntax error while parsing value - invalid BOM; must be 0xEF 0xBB 0xBF if given");
    }
    int c = skipWhitespace();
    if (c < 0)
        fail("attempting to parse an empty input; check that your input string or stream contains the expected JSON");
    if (c != '[') {
        // Not a sample list: refused at its first byte, however long the rest.
        const char *type = nullptr;
        switch (c) {
        case '{': type = kObject; break;
        case '"': type = kString; break;
        case 't': case 'f': type = kBoolean; break;
        case 'n': type = kNull; break;
        default:
            if (c == '-' || (c >= '0' && c <= '9'))
                type = kNumber;
            else
                scalar(c, nullptr); // not the start of any value: the library's parse error
        }
        throw json::type_error::create(302, std::string("type must be array, but is ") + type, nullptr);
    }
    ++m_p;
    c = skipWhitespace();
    if (c == ']') {
        ++m_p;
    } else {
        for (;;) {
            parseSample();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                continue;
            }
            if (c == ']') {
                ++m_p;
                break;
            }
            failUnexpected(c, "array", "']'");
        }
    }
    c = skipWhitespace();
    if (c >= 0)
        failUnexpected(c, "value", "end of input");
}

} // namespace

void streamSamples(const TextSource &source, int capacity, SampleSink &sink)
{
    SampleStreamParser parser(source, capacity, sink);
    parser.run();
}
