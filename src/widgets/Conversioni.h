#pragma once
#include <QString>
#include <string>

namespace sirvela {

// The engine keeps UTF-8 std::string, the widgets QString.
inline QString QS(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string SS(const QString& s) {
    return s.toStdString();
}

}  // namespace sirvela
