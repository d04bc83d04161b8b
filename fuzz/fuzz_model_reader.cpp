// SPDX-License-Identifier: GPL-3.0-or-later
// The model file's reader on arbitrary bytes: a fault or a whole model, and a model that writes
// and reads back to itself.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "files/model_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = coppia::DecodeModel(bytes);
    if (const auto* fault = std::get_if<coppia::ModelFileFault>(&decoded)) {
        FUZZ_CHECK(!fault->reason.empty(), "a refusal says why");
        return 0;
    }
    const coppia::Model& model = std::get<coppia::Model>(decoded);
    for (const coppia::Surface& surface : model.surfaces)
        FUZZ_CHECK(!coppia::CheckSurface(surface), "every surface read is one a file can keep");
    const std::string written = coppia::EncodeModel(model);
    const auto reread = coppia::DecodeModel(written);
    FUZZ_CHECK(std::holds_alternative<coppia::Model>(reread), "what was written reads back");
    FUZZ_CHECK(std::get<coppia::Model>(reread) == model, "to the same model");
    FUZZ_CHECK(coppia::EncodeModel(std::get<coppia::Model>(reread)) == written,
               "and writes the same bytes again");
    return 0;
}
