// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "engine/hinge_estimate.h"
#include "engine/torque_units.h"
#include "files/section_and_sheet.h"

namespace coppia {

// The servo of a surface a model loaded into the main window's fields ("Carica").
struct LoanedServo {
    std::string surface;           // how the model names the surface: "Flap sinistro"
    std::string name;              // the servo's own, may be empty
    std::optional<double> rating;  // in `unit`; none while the builder has not given it
    RatingUnit unit = RatingUnit::KgfCm;
    int count = 1;  // the servos that share the surface's torque
    // The rating as the surface has it in the model, which the analysis may have changed since.
    std::optional<double> surfaceRating;
    RatingUnit surfaceUnit = RatingUnit::KgfCm;
    // The section at the surface, for the second estimate: the analysis judges with it and may
    // change it, as it may change the rating, and "Aggiorna" takes it back.
    SectionProfile profile = kWingSurfaceProfile;
    SectionProfile surfaceProfile = kWingSurfaceProfile;  // as the surface has it in the model
    // The data sheet's figures beside the rating, as judged and as the surface has them; "Aggiorna"
    // takes them back too.
    ServoFigures figures = {};
    ServoFigures surfaceFigures = {};

    bool operator==(const LoanedServo&) const = default;
    bool RatingDiffers() const { return rating != surfaceRating || unit != surfaceUnit; }
    bool ProfileDiffers() const { return profile != surfaceProfile; }
    bool FiguresDiffer() const { return figures != surfaceFigures; }
    bool DiffersFromSurface() const {
        return RatingDiffers() || ProfileDiffers() || FiguresDiffer();
    }
};

// The servo that goes with the surface in the main window, so that the windows judge one servo
// and give one answer: the model window lends it on "Carica", the analysis judges it in place of
// its own and may change its rating and its figures, and "Aggiorna" takes them back to the surface
// as it is then. Nothing is lent until a surface is loaded; the loan follows its surface when it is
// renamed, and ends when the surface or the model that lent it goes.
class ServoLoan {
  public:
    using Observer = std::function<void()>;

    const std::optional<LoanedServo>& Current() const { return servo_; }
    void Lend(LoanedServo servo);
    void SetRating(std::optional<double> rating, RatingUnit unit);
    void SetProfile(const SectionProfile& profile);
    void SetFigures(const ServoFigures& figures);
    // The surface lent is now called `surface`.
    void Follow(std::string surface);
    void End();

    // Told after every change; the number is what RemoveObserver takes.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

  private:
    void Changed();

    std::optional<LoanedServo> servo_;
    std::map<int, Observer> observers_;
    int nextId_ = 1;
};

}  // namespace coppia
