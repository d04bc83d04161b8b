// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/last_inputs_store.h"

namespace coppia {

// The last inputs as a page keeps them: the bytes of Mervanti.ini, held here for the page, which
// keeps them in its storage and hands them back at the next visit. The same eight CR LF lines as
// on the desktop, read and written by the same format, so that a calculation that succeeds keeps
// them and one refused keeps the ones before.
class PageLastInputs : public LastInputsStore {
  public:
    // Bytes put back from the page's storage; none when it keeps none.
    void PutBack(std::optional<std::string> bytes) { bytes_ = std::move(bytes); }
    // The page cannot keep anything (storage turned off, or full): saves fail from now on,
    // and the window tells the user once, as a save that fails on the desktop.
    void StorageRefused() { storageRefused_ = true; }

    // The bytes to keep; none while nothing was kept or put back.
    const std::optional<std::string>& Bytes() const { return bytes_; }
    // Whether a save replaced the bytes since the last call.
    bool TakeSaved();

    // Reads at most what the desktop reads of its file, so that a page's storage filled by
    // hand neither fills the memory nor is read otherwise.
    std::vector<std::string> ReadValues() override;
    SaveResult Write(const LastInputsNumbers& numbers) override;
    // The file's name: the page keeps the desktop's file under its name.
    std::string Location() const override;

  private:
    std::optional<std::string> bytes_;
    bool saved_ = false;
    bool storageRefused_ = false;
};

}  // namespace coppia
