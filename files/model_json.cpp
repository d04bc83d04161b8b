// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_json.h"

#include <algorithm>
#include <string>

namespace coppia {

namespace {

using Json = ModelJson;

// Deep enough for any value another tool may keep in the file; shallow enough that writing it
// back, which recurses, cannot exhaust the stack.
constexpr int kMaxNesting = 64;

ModelFileFault Fault(std::string place, std::string reason) {
    return ModelFileFault{std::move(place), std::move(reason)};
}

// Builds the document as nlohmann's own parser does, and remembers where and why it stopped.
class BoundedDomBuilder {
  public:
    using Dom = nlohmann::detail::json_sax_dom_parser<Json>;

    explicit BoundedDomBuilder(Json& root) : dom_(root, false) {}

    bool null() { return dom_.null(); }
    bool boolean(bool value) { return dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value) { return dom_.number_integer(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return dom_.number_unsigned(value); }
    bool number_float(Json::number_float_t value, const Json::string_t& text) {
        return dom_.number_float(value, text);
    }
    bool string(Json::string_t& value) { return dom_.string(value); }
    bool binary(Json::binary_t& value) { return dom_.binary(value); }
    bool start_object(std::size_t size) { return Enter() && dom_.start_object(size); }
    bool key(Json::string_t& value) { return dom_.key(value); }
    bool end_object() {
        --depth_;
        return dom_.end_object();
    }
    bool start_array(std::size_t size) { return Enter() && dom_.start_array(size); }
    bool end_array() {
        --depth_;
        return dom_.end_array();
    }
    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        position_ = position;
        token_ = token;
        errorId_ = error.id;
        errorText_ = error.what();
        return false;
    }

    bool TooDeep() const { return tooDeep_; }
    std::size_t Position() const { return position_; }
    const std::string& Token() const { return token_; }
    int ErrorId() const { return errorId_; }
    const std::string& ErrorText() const { return errorText_; }

  private:
    bool Enter() {
        if (++depth_ > kMaxNesting)
            tooDeep_ = true;
        return !tooDeep_;
    }

    Dom dom_;
    int depth_ = 0;
    bool tooDeep_ = false;
    std::size_t position_ = 0;
    std::string token_;
    int errorId_ = 0;
    std::string errorText_;
};

// The index of the bracket that opens one level too many. The text before it is valid JSON,
// so brackets inside strings are the only ones to skip.
std::size_t TooDeepAt(std::string_view bytes) {
    int depth = 0;
    bool inString = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (inString) {
            if (c == '\\')
                ++at;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxNesting)
                return at;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return bytes.size();
}

// "riga 3, colonna 14" of the byte at `index` (from 0); columns count characters, not bytes.
std::string LineAndColumn(std::string_view bytes, std::size_t index) {
    index = std::min(index, bytes.size());
    const std::string_view before = bytes.substr(0, index);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart =
        before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    std::size_t column = 1;
    for (const char c : before.substr(lineStart)) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++column;
    }
    return "riga " + std::to_string(line) + ", colonna " + std::to_string(column);
}

// The parser stops at the byte that shows a character broken, which may follow its start.
std::size_t StartOfBrokenCharacter(std::string_view bytes, std::size_t at) {
    const auto isAscii = [&bytes](std::size_t i) {
        return static_cast<unsigned char>(bytes[i]) < 0x80;
    };
    const auto isContinuation = [&bytes](std::size_t i) {
        return (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
    };
    if (at > 0 && isAscii(at))
        --at;
    while (at > 0 && isContinuation(at) && !isAscii(at - 1)) --at;
    return at;
}

}  // namespace

std::variant<ModelJson, ModelFileFault> ParseModelJson(std::string_view bytes) {
    if (bytes.empty())
        return Fault("", "il file è vuoto");
    Json root;
    BoundedDomBuilder builder(root);
    if (Json::sax_parse(bytes.begin(), bytes.end(), &builder))
        return root;
    if (builder.TooDeep()) {
        return Fault(LineAndColumn(bytes, TooDeepAt(bytes)),
                     "troppi livelli annidati (al massimo " + std::to_string(kMaxNesting) + ")");
    }
    // The parser counts the characters it read, the one at fault included.
    const std::size_t position = builder.Position();
    if (builder.ErrorId() == 406) {
        // Read to its end before its value is known: the place is where the number starts.
        const std::size_t length = builder.Token().size();
        return Fault(LineAndColumn(bytes, position >= length ? position - length : 0),
                     "numero troppo grande");
    }
    const std::size_t at = position == 0 ? 0 : position - 1;
    if (position > bytes.size())
        return Fault(LineAndColumn(bytes, at), "il testo finisce a metà: il file è tagliato");
    if (builder.ErrorText().find("UTF-8") != std::string::npos) {
        return Fault(LineAndColumn(bytes, StartOfBrokenCharacter(bytes, at)),
                     "testo non codificato in UTF-8");
    }
    return Fault(LineAndColumn(bytes, at), "non è testo JSON valido");
}

}  // namespace coppia
