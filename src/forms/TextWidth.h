// Text widths in pixels as Tahoma 8 pt draws them at 96 dots per inch: a fixed table for the
// printable ASCII characters, 6 px for anything else. Accelerator marks are not drawn.
#pragma once

#include <string>

namespace kov::forms {

int TextWidth(const std::string& text);

}  // namespace kov::forms
