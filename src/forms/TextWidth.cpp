#include "forms/TextWidth.h"

#include "base/Text.h"
#include "forms/Control.h"

namespace kov::forms {
namespace {

// Widths of the characters 32 (blank) to 126 (~).
constexpr int kWidths[95] = {3, 3, 4, 7, 6, 10, 7,  2, 4, 4,  6, 7, 3,
                             4, 3, 4,                         // blank ! " # $ % & ' ( ) * + , - . /
                             6, 6, 6, 6, 6, 6,  6,  6, 6, 6,  // 0-9
                             4, 4, 7, 7, 7, 5,  10,           // : ; < = > ? @
                             6, 6, 6, 7, 6, 5,  7,  7, 4, 4,  6, 5, 8,  // A-M
                             7, 7, 6, 7, 6, 6,  6,  7, 6, 10, 6, 6, 5,  // N-Z
                             4, 4, 4, 7, 6, 6,                          // [ \ ] ^ _ `
                             5, 6, 5, 6, 5, 3,  6,  6, 2, 3,  5, 2, 8,  // a-m
                             6, 6, 6, 6, 4, 5,  4,  6, 5, 8,  5, 5, 5,  // n-z
                             5, 4, 5, 7};                               // { | } ~

}  // namespace

int TextWidth(const std::string& text) {
  int width = 0;
  for (char32_t c : ToCodePoints(WithoutAccelerator(text))) {
    width += c >= 32 && c <= 126 ? kWidths[c - 32] : 6;
  }
  return width;
}

}  // namespace kov::forms
