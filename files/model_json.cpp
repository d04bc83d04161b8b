// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_json.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "files/model_record.h"

namespace coppia {

namespace {

using Json = ModelJson;

// Deep enough for any value another tool may keep in the file; shallow enough that writing it
// back, which recurses, cannot exhaust the stack.
constexpr int kMaxNesting = 64;

ModelFileFault Fault(std::string place, std::string reason) {
    return ModelFileFault{std::move(place), std::move(reason), {}};
}

// A text in UTF-16 starts with its byte order mark, or, when it has none, shows a NUL beside
// every character of the ASCII range, which is all JSON's own text.
bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    const std::size_t pairs = std::min<std::size_t>(bytes.size(), 64) / 2;
    if (pairs == 0)
        return false;
    bool evenNul = true;
    bool oddNul = true;
    for (std::size_t i = 0; i < pairs; ++i) {
        evenNul = evenNul && bytes[2 * i] == '\0';
        oddNul = oddNul && bytes[2 * i + 1] == '\0';
    }
    return evenNul != oddNul;
}

// Builds the document as nlohmann's own parser does, and remembers where and why it stopped. It
// follows the key path of every value, so that a key given twice (of which the parser would
// keep the last without a word) and a number too small for a double (which it would read as 0)
// are refused with their place.
class BoundedDomBuilder {
  public:
    using Dom = nlohmann::detail::json_sax_dom_parser<Json>;

    explicit BoundedDomBuilder(Json& root) : dom_(root, false) {}

    bool null() { return Value() && dom_.null(); }
    bool boolean(bool value) { return Value() && dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value) {
        return Value() && dom_.number_integer(value);
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        return Value() && dom_.number_unsigned(value);
    }
    bool number_float(Json::number_float_t value, const Json::string_t& text) {
        if (!Value())
            return false;
        // "1e-400" is no 0, but a double reads it as one.
        const std::string_view digits = std::string_view(text).substr(0, text.find_first_of("eE"));
        if (value == 0 && digits.find_first_of("123456789") != std::string_view::npos)
            return Stop(Path(frames_.size()), "numero troppo piccolo: sarebbe letto come 0");
        return dom_.number_float(value, text);
    }
    bool string(Json::string_t& value) { return Value() && dom_.string(value); }
    bool binary(Json::binary_t& value) { return Value() && dom_.binary(value); }
    bool start_object(std::size_t size) {
        return Value() && Enter(false) && dom_.start_object(size);
    }
    bool key(Json::string_t& value) {
        Frame& object = frames_.back();
        if (!object.keys.insert(value).second)
            return Stop(Join(Path(frames_.size() - 1), value), "chiave ripetuta");
        object.key = value;
        return dom_.key(value);
    }
    bool end_object() {
        frames_.pop_back();
        return dom_.end_object();
    }
    bool start_array(std::size_t size) { return Value() && Enter(true) && dom_.start_array(size); }
    bool end_array() {
        frames_.pop_back();
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
    // The key path and reason of a value refused while the text was valid JSON.
    const std::optional<ModelFileFault>& Refused() const { return refused_; }
    std::size_t Position() const { return position_; }
    const std::string& Token() const { return token_; }
    int ErrorId() const { return errorId_; }
    const std::string& ErrorText() const { return errorText_; }

  private:
    struct Frame {
        bool array = false;
        std::size_t index = 0;  // of an array's value being read, plus one
        std::string key;        // of an object's value being read
        std::set<std::string> keys;
    };

    static std::string Join(std::string path, std::string_view key) {
        return path.empty() ? std::string(key) : path.append(".").append(key);
    }

    // The key path of the value being read in the first `count` levels.
    std::string Path(std::size_t count) const {
        std::string path;
        for (std::size_t i = 0; i < count; ++i) {
            const Frame& frame = frames_[i];
            if (frame.array)
                path.append("[").append(std::to_string(frame.index - 1)).append("]");
            else
                path = Join(std::move(path), frame.key);
        }
        return path;
    }

    // A value starts: in an array, the next one. Always true, to chain with the builder's calls.
    bool Value() {
        if (!frames_.empty() && frames_.back().array)
            ++frames_.back().index;
        return true;
    }

    bool Enter(bool array) {
        if (frames_.size() + 1 > kMaxNesting)
            tooDeep_ = true;
        else
            frames_.push_back(Frame{array, 0, {}, {}});
        return !tooDeep_;
    }

    bool Stop(std::string path, std::string reason) {
        refused_ = ModelFileFault{"", std::move(reason), std::move(path)};
        return false;
    }

    Dom dom_;
    std::vector<Frame> frames_;
    bool tooDeep_ = false;
    std::optional<ModelFileFault> refused_;
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
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return Fault("",
                     bytes.empty() ? "il file è vuoto" : "il file è vuoto: solo spazi e a capo");
    if (LooksLikeUtf16(bytes))
        return Fault("", "il file è codificato in UTF-16, non in UTF-8");
    Json root;
    BoundedDomBuilder builder(root);
    if (Json::sax_parse(bytes.begin(), bytes.end(), &builder))
        return root;
    if (builder.Refused())
        return *builder.Refused();
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

[[noreturn]] void RefuseValue(std::string keyPath, std::string reason) {
    throw ModelRefusal{ModelFileFault{"", std::move(reason), std::move(keyPath)}};
}

std::string JoinKey(std::string_view path, std::string_view key) {
    return path.empty() ? std::string(key) : std::string(path) + "." + std::string(key);
}

const Json& MemberAt(const Json& object, std::string_view key, std::string_view path) {
    const auto found = object.find(std::string(key));
    if (found == object.end())
        RefuseValue(JoinKey(path, key), "chiave mancante");
    return *found;
}

const Json& ObjectAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = MemberAt(object, key, path);
    if (!value.is_object())
        RefuseValue(JoinKey(path, key), "deve essere un oggetto { }");
    return value;
}

std::string TextAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = MemberAt(object, key, path);
    if (!value.is_string())
        RefuseValue(JoinKey(path, key), "deve essere un testo fra virgolette");
    return value.get<std::string>();
}

double NumberAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = MemberAt(object, key, path);
    if (!value.is_number())
        RefuseValue(JoinKey(path, key), "deve essere un numero");
    return value.get<double>();
}

std::optional<double> OptionalNumberAt(const Json& object, std::string_view key,
                                       std::string_view path) {
    const auto found = object.find(std::string(key));
    if (found == object.end() || found->is_null())
        return std::nullopt;
    if (!found->is_number())
        RefuseValue(JoinKey(path, key), "deve essere un numero, o null");
    return found->get<double>();
}

std::string BoundedTextAt(const Json& object, std::string_view key, std::string_view path,
                          std::size_t most) {
    std::string text = TextAt(object, key, path);
    if (std::optional<std::string> fault = TextFault(text, most))
        RefuseValue(JoinKey(path, key), std::move(*fault));
    return text;
}

std::size_t WordAt(const Json& object, std::string_view key, std::string_view path,
                   std::span<const std::string_view> words) {
    const std::string text = TextAt(object, key, path);
    const auto found = std::find(words.begin(), words.end(), text);
    if (found != words.end())
        return static_cast<std::size_t>(found - words.begin());
    std::string allowed;
    for (const std::string_view word : words) {
        allowed.append(allowed.empty() ? "" : ", ").append("\"").append(word).append("\"");
    }
    RefuseValue(JoinKey(path, key), "deve essere uno fra " + allowed);
}

std::string OtherKeys(const Json& object, std::initializer_list<std::string_view> known) {
    return OtherKeys(object, std::span<const std::string_view>(known.begin(), known.size()));
}

std::string OtherKeys(const Json& object, std::span<const std::string_view> known) {
    Json other = Json::object();
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            other[key] = value;
    }
    return other.empty() ? std::string() : other.dump();
}

Json NumberJson(double value) {
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (value == std::trunc(value) && std::abs(value) < kExactIntegers &&
        !(value == 0 && std::signbit(value))) {
        return Json(static_cast<std::int64_t>(value));
    }
    return Json(value);
}

void AppendOtherKeys(Json& object, const std::string& otherKeys) {
    if (otherKeys.empty())
        return;
    const Json other = Json::parse(otherKeys, nullptr, false);
    if (!other.is_object())
        return;
    for (const auto& [key, value] : other.items()) {
        if (!object.contains(key))
            object[key] = value;
    }
}

}  // namespace coppia
