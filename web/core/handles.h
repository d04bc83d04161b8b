// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <utility>

namespace coppia {

// The windows a page holds, each under a number it passes back with every call: numbers from 1,
// never reused, so that a stale one finds nothing rather than another window.
template <typename Window>
class Handles {
  public:
    int Add(std::unique_ptr<Window> window) {
        windows_.emplace(++last_, std::move(window));
        return last_;
    }
    // The window of a number; none for a number that is not, or no longer, a window's.
    Window* Find(int handle) const {
        const auto found = windows_.find(handle);
        return found == windows_.end() ? nullptr : found->second.get();
    }
    void Remove(int handle) { windows_.erase(handle); }
    template <typename Visit>
    void ForEach(Visit visit) {
        for (auto& [handle, window] : windows_) visit(*window);
    }
    template <typename Matches>
    void RemoveIf(Matches matches) {
        std::erase_if(windows_, [&](const auto& entry) { return matches(*entry.second); });
    }

  private:
    std::map<int, std::unique_ptr<Window>> windows_;
    int last_ = 0;
};

}  // namespace coppia
