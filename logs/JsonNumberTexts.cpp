#include "JsonNumberTexts.h"

#include <nlohmann/json.hpp>

JsonNumberTexts::JsonNumberTexts(const std::vector<double> &values) : m_array(nlohmann::json(values).dump())
{
}

std::string_view JsonNumberTexts::next()
{
    if (m_at >= m_array.size())
        return {};
    std::size_t end = m_array.find(',', m_at);
    if (end == std::string::npos)
        end = m_array.size() - 1; // the closing bracket
    const std::string_view text(m_array.data() + m_at, end - m_at);
    m_at = end + 1;
    return text;
}
