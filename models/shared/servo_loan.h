// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "engine/torque_units.h"

namespace coppia {

// The servo of a surface a model loaded into the main window's fields ("Carica").
struct LoanedServo {
    std::string surface;           // how the model names the surface: "Flap sinistro"
    std::string name;              // the servo's own, may be empty
    std::optional<double> rating;  // in `unit`; none while the builder has not given it
    RatingUnit unit = RatingUnit::KgfCm;
    int count = 1;  // the servos that share the surface's torque

    bool operator==(const LoanedServo&) const = default;
};

// The servo that goes with the surface in the main window, so that the windows judge one servo
// and give one answer: the model window lends it on "Carica", the analysis judges it in place of
// its own and may change its rating, and "Aggiorna" takes it back to the surface as it is then.
// Nothing is lent until a surface is loaded; the loan ends when the model that lent it goes.
class ServoLoan {
  public:
    using Observer = std::function<void()>;

    const std::optional<LoanedServo>& Current() const { return servo_; }
    void Lend(LoanedServo servo);
    void SetRating(std::optional<double> rating, RatingUnit unit);
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
