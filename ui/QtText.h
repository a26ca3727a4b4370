#pragma once
// Text between the Qt windows and the standard C++ cores, which hold their texts as UTF-8
// std::string.
#include <QString>
#include <string>

namespace ae {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace ae
