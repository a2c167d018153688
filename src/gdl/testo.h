#pragma once
// Small helpers for building the statement text by appending only.
#include "platform/conversions.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace esportazione::testo {

inline constexpr char kCR = '\r';

inline void appendInt(std::string& out, int value)
{
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Appends a number; one that is not finite (an overflow of huge scales or
// coordinates) sets nonFinito, since its text would say 0.
inline void appendNum(std::string& out, double value, bool& nonFinito)
{
    nonFinito = nonFinito || !std::isfinite(value);
    platform::appendStr15Digits(out, value);
}

// One point line put together on the stack and appended in one piece, so
// that the text grows once per point rather than once per number and
// separator. It holds up to three numbers and an Integer; a number that is
// not finite sets nonFinito as appendNum does.
class Riga {
public:
    explicit Riga(bool& nonFinito) : m_nonFinito(nonFinito) {}

    template <std::size_t N> Riga& testo(const char (&s)[N])
    {
        std::memcpy(m_fine, s, N - 1);
        m_fine += N - 1;
        return *this;
    }
    Riga& numero(double value)
    {
        m_nonFinito = m_nonFinito || !std::isfinite(value);
        m_fine = platform::writeStr15Digits(m_fine, value);
        return *this;
    }
    Riga& intero(int value)
    {
        m_fine = std::to_chars(m_fine, m_fine + 12, value).ptr;
        return *this;
    }
    void aggiungiA(std::string& out) const { out.append(m_buffer, static_cast<std::size_t>(m_fine - m_buffer)); }

private:
    bool& m_nonFinito;
    char m_buffer[3 * platform::kStrMaxChars + 64];
    char* m_fine = m_buffer;
};

} // namespace esportazione::testo
