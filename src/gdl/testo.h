#pragma once
// Small helpers for building the statement text by appending only.
#include "platform/conversions.h"

#include <charconv>
#include <string>

namespace esportazione::testo {

inline constexpr char kCR = '\r';

inline void appendInt(std::string& out, int value)
{
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

inline void appendNum(std::string& out, double value) { platform::appendStr(out, value); }

} // namespace esportazione::testo
