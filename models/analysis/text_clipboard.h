// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace coppia {

// Where a copied text goes: the desktop's clipboard in the program, a string in the tests.
class TextClipboard {
  public:
    virtual ~TextClipboard() = default;
    virtual void SetText(std::string_view text) = 0;
};

}  // namespace coppia
