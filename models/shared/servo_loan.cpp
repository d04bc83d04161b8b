// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/servo_loan.h"

#include <vector>

namespace coppia {

void ServoLoan::Lend(LoanedServo servo) {
    servo_ = std::move(servo);
    Changed();
}

void ServoLoan::SetRating(std::optional<double> rating, RatingUnit unit) {
    if (!servo_ || (servo_->rating == rating && servo_->unit == unit))
        return;
    servo_->rating = rating;
    servo_->unit = unit;
    Changed();
}

void ServoLoan::SetProfile(const SectionProfile& profile) {
    if (!servo_ || servo_->profile == profile)
        return;
    servo_->profile = profile;
    Changed();
}

void ServoLoan::SetFigures(const ServoFigures& figures) {
    if (!servo_ || servo_->figures == figures)
        return;
    servo_->figures = figures;
    Changed();
}

void ServoLoan::Follow(std::string surface) {
    if (!servo_ || servo_->surface == surface)
        return;
    servo_->surface = std::move(surface);
    Changed();
}

void ServoLoan::End() {
    if (!servo_)
        return;
    servo_.reset();
    Changed();
}

int ServoLoan::AddObserver(Observer observer) {
    observers_.emplace(nextId_, std::move(observer));
    return nextId_++;
}

void ServoLoan::RemoveObserver(int id) {
    observers_.erase(id);
}

void ServoLoan::Changed() {
    // An observer may leave while it is told.
    std::vector<Observer> told;
    for (const auto& [id, observer] : observers_) told.push_back(observer);
    for (const Observer& observer : told) observer();
}

}  // namespace coppia
