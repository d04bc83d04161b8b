// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "files/model_file.h"

namespace coppia {

// A model of a thousand surfaces, each a little different, in a file of a temporary folder.
class ThousandSurfaces {
  public:
    ThousandSurfaces() {
        std::string pattern = (std::filesystem::temp_directory_path() / "coppia-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        path = (folder_ / "mille.coppia").string();
        for (int i = 0; i < 1000; ++i) {
            Surface surface;
            surface.name = "Superficie " + std::to_string(i);
            surface.inputs.Vel = 40 + i % 80;
            surface.inputs.CordaAlett = 40 + i % 50 + 0.1;
            surface.deflection = i % 2 ? DeflectionInput::Travel : DeflectionInput::Angle;
            model.surfaces.push_back(surface);
        }
        WriteModelFile(path, model);
    }
    ~ThousandSurfaces() { std::filesystem::remove_all(folder_); }

    Model model;
    std::string path;

  private:
    std::filesystem::path folder_;
};

}  // namespace coppia
