#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace orunika::ui {

// The model's texts are UTF-16 already; Qt takes them as they are.
inline QString ToQString(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

}  // namespace orunika::ui
