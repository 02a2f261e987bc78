#include "core/Cp1252.h"

#include <array>
#include <cstdint>

namespace sirvela {
namespace {

// Code points of the bytes 0x80..0x9F; the holes map to themselves.
constexpr std::array<char32_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AccodaUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

int ByteDi(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAlti[i] == cp) return 0x80 + i;
    return '?';
}

}  // namespace

std::string DaCp1252(std::string_view byte) {
    std::string out;
    out.reserve(byte.size() + byte.size() / 4);
    for (char c : byte) {
        auto b = static_cast<std::uint8_t>(c);
        if (b < 0x80)
            out.push_back(c);
        else if (b < 0xA0)
            AccodaUtf8(out, kAlti[b - 0x80]);
        else
            AccodaUtf8(out, b);
    }
    return out;
}

std::string ACp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        int segue = 0;
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            segue = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            segue = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            segue = 3;
        } else {
            out.push_back('?');
            ++i;
            continue;
        }
        if (i + segue >= utf8.size()) {  // sequence cut short
            out.push_back('?');
            break;
        }
        bool valido = true;
        for (int k = 1; k <= segue; ++k) {
            auto c = static_cast<std::uint8_t>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valido) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(static_cast<char>(ByteDi(cp)));
        i += segue + 1;
    }
    return out;
}

}  // namespace sirvela
