// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/last_inputs_format.h"

#include <optional>

#include "engine/number_text.h"

namespace coppia {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Splits bytes into values one at a time.
class ValueReader {
  public:
    ValueReader(std::string_view bytes, bool complete) : bytes_(bytes), complete_(complete) {}

    std::optional<std::string> Next() {
        while (at_ < bytes_.size() && IsBlank(bytes_[at_])) ++at_;
        if (at_ >= bytes_.size())
            return std::nullopt;
        std::string value;
        if (bytes_[at_] == '"') {
            const size_t close = bytes_.find('"', at_ + 1);
            if (close == std::string_view::npos)
                return CutOrRest(at_ + 1);
            value = bytes_.substr(at_ + 1, close - at_ - 1);
            at_ = close + 1;
            // What follows the closing quote up to the separator is not part of the value.
            while (at_ < bytes_.size() && bytes_[at_] != ',' && !IsLineEnd(bytes_[at_])) ++at_;
        } else {
            const size_t start = at_;
            while (at_ < bytes_.size() && bytes_[at_] != ',' && !IsLineEnd(bytes_[at_])) ++at_;
            if (at_ >= bytes_.size())
                return CutOrRest(start);
            value = bytes_.substr(start, at_ - start);
        }
        if (at_ >= bytes_.size() && !complete_)
            return std::nullopt;
        SkipSeparator();
        return value;
    }

  private:
    // A value that runs to the end of the bytes: whole only if the bytes are the whole file.
    std::optional<std::string> CutOrRest(size_t start) {
        if (!complete_)
            return std::nullopt;
        std::string value(bytes_.substr(start));
        at_ = bytes_.size();
        return value;
    }

    void SkipSeparator() {
        if (at_ >= bytes_.size())
            return;
        if (bytes_[at_] == ',') {
            ++at_;
        } else if (bytes_[at_] == '\r') {
            ++at_;
            if (at_ < bytes_.size() && bytes_[at_] == '\n')
                ++at_;
        } else if (bytes_[at_] == '\n') {
            ++at_;
        }
    }

    std::string_view bytes_;
    bool complete_;
    size_t at_ = 0;
};

}  // namespace

std::string EncodeLastInputs(const LastInputsNumbers& numbers) {
    std::string bytes;
    for (size_t row = 0; row < kLastInputsLayout.size(); ++row) {
        bytes += FormatNumber(numbers[row], kLastInputsLayout[row].pattern);
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> DecodeLastInputs(std::string_view bytes, bool complete) {
    std::vector<std::string> values;
    ValueReader reader(bytes, complete);
    while (values.size() < kLastInputsLayout.size()) {
        auto value = reader.Next();
        if (!value)
            break;
        values.push_back(std::move(*value));
    }
    return values;
}

}  // namespace coppia
