// SPDX-License-Identifier: GPL-3.0-or-later
// The page's files, handed over and taken back as bytes.
#include <algorithm>
#include <string>

#include "files/config_folder.h"
#include "files/platform/web/page_files.h"
#include "files/recent_files.h"
#include "web/core/coppia_core.h"
#include "web/core/json_text.h"

namespace {

const char* Held(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

}  // namespace

extern "C" {

void coppia_file_put(const char* path, const char* bytes, int size) {
    if (size >= 0)
        coppia::PutPageFile(path, std::string(bytes, static_cast<std::size_t>(size)));
}

int coppia_file_size(const char* path) {
    const std::string* bytes = coppia::PageFile(path);
    return bytes != nullptr ? static_cast<int>(bytes->size()) : -1;
}

const char* coppia_file_bytes(const char* path) {
    const std::string* bytes = coppia::PageFile(path);
    return bytes != nullptr ? bytes->c_str() : "";
}

const char* coppia_file_hand_over(const char* name, const char* bytes, int size) {
    std::string path = coppia::PagePathOf(name);
    coppia_file_put(path.c_str(), bytes, size);
    return Held(std::move(path));
}

const char* coppia_files_written(void) {
    return Held(coppia::JsonTexts(coppia::TakeWrittenPageFiles()));
}

const char* coppia_files_kept(void) {
    std::vector<std::string> kept = coppia::PageFilesIn(coppia::kPageConfigFolder);
    if (const std::string* list = coppia::PageFile(*coppia::RecentFilesPath())) {
        for (const std::string& path : coppia::DecodeRecentFiles(*list)) {
            if (coppia::PageFile(path) != nullptr)
                kept.push_back(path);
        }
    }
    return Held(coppia::JsonTexts(kept));
}

void coppia_files_storage_refused(void) {
    coppia::RefusePageFilesIn(std::string(coppia::kPageConfigFolder),
                              std::string(coppia::kPageStorageRefused));
}

}  // extern "C"
