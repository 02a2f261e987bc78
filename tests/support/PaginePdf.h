#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sirvela::test {

// Pages of a PDF file written by the program; -1 when it is not a PDF.
inline int PaginePdf(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (s.rfind("%PDF-", 0) != 0) return -1;
    int n = 0;
    for (std::size_t i = s.find("/Type /Page"); i != std::string::npos;
         i = s.find("/Type /Page", i + 1))
        if (s.compare(i, 12, "/Type /Pages") != 0) ++n;
    return n;
}

}  // namespace sirvela::test
