#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The texts of numbers exactly as the JSON library writes them (its shortest
// text that reads back as the same double, "1.0" for a whole number, "null"
// for a number that is not finite), taken from the library's own dump of
// them all as one array, cut at its commas: no number's text holds one. One
// dump of many numbers costs little more than writing their digits, where a
// dump of each would make a string and a serializer for every number.
class JsonNumberTexts
{
public:
    explicit JsonNumberTexts(const std::vector<double> &values);

    // The next number's text, in the order of the values; empty after the
    // last.
    std::string_view next();

private:
    std::string m_array; // the library's dump: "[1.0,2.5,null]"
    std::size_t m_at = 1;
};
