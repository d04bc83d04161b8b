// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace coppia {

// Names too long for their room, cut so that they stay apart: each keeps its start and its end,
// "…" in place of what is cut, and of them the parts that tell it from the names most like it
// ("Alettone sinistro este…ncipale" beside "Alettone sinistro inte…ncipale"); where nothing
// tells them apart, as much of the start as of the end. `fits(i, text)` says whether `text`
// fits the room of name `i`; the names that fit are given whole. Characters are never split.
std::vector<std::string> ElideApart(
    const std::vector<std::string>& names,
    const std::function<bool(std::size_t, const std::string&)>& fits);

}  // namespace coppia
