// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "models/main/controls.h"

// The main window's cases that scripts/windows-compare and scripts/web-compare run on each
// system: generated from the raw output of std::mt19937, which the standard fixes bit for bit,
// so that every system makes the same cases; one line per case with every control's text and
// flags, every message shown and the bytes of the Mervanti.ini the window kept.
namespace coppia {

// The main window as a case drives it: the desktop's model, or the web core the page calls.
class CaseWindow {
  public:
    virtual ~CaseWindow() = default;
    virtual bool Edit(Control box, std::string_view text) = 0;
    // What typing a character into the box enters.
    virtual char Typed(Control box, char typed) = 0;
    virtual bool Click(Control control) = 0;
    virtual std::string Text(Control control) const = 0;
    virtual bool Enabled(Control control) const = 0;
    virtual bool Visible(Control control) const = 0;
    virtual bool WriteLastInputs() = 0;
    // The messages shown since the last call, as (text, title), the file's path written as its
    // name.
    virtual std::vector<std::pair<std::string, std::string>> TakeMessages() = 0;
};

// Where the windows keep the last inputs from one case to the next.
class CaseStore {
  public:
    virtual ~CaseStore() = default;
    // As if nothing had ever been kept.
    virtual void Forget() = 0;
    // A fresh window, loaded from what is kept.
    virtual std::unique_ptr<CaseWindow> Open() = 0;
    // The bytes kept, in hexadecimal; "none" when nothing is.
    virtual std::string KeptBytes() = 0;
};

// One case: a window loaded from what the case before kept (or from nothing), some steps,
// CALCOLA, then the inputs written once more.
std::string RunCase(std::uint32_t number, CaseStore& store);

// Usage: PROGRAM FOLDER [COUNT]: writes FOLDER/shown_texts.txt, one line per case, through the
// store made for the folder.
int ShownTextsMain(int argc, char** argv,
                   const std::function<std::unique_ptr<CaseStore>(const std::string&)>& storeIn);

// Bytes as lowercase hexadecimal, two digits each.
std::string Hex(std::string_view bytes);

}  // namespace coppia
