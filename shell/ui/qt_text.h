#pragma once
// Engine texts (UTF-8) as Qt strings.

#include <QString>
#include <string>
#include <string_view>

#include "core/texts.h"

namespace talp {

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline QString qt(const Text& text, Language language) { return qt(text.in(language)); }
inline std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace talp
