// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/main/field_calculation.h"

#include <cmath>
#include <initializer_list>

#include "engine/deflection.h"
#include "engine/number_text.h"

namespace coppia {

namespace {

struct FieldTarget {
    Control field;
    double* value;
};

// Reads each field into its target; false when any holds a number beyond the double range
// (its target is then left at 0).
bool ReadFields(const MainWindowState& state, std::initializer_list<FieldTarget> fields) {
    bool allRead = true;
    for (const FieldTarget& target : fields) {
        const auto number = ReadNumber(state.Text(target.field));
        *target.value = number.value_or(0);
        allRead = allRead && number.has_value();
    }
    return allRead;
}

// While the travel is entered, the angle in Ang is the one derived from the travel in Corsa;
// the message that refuses a travel with no angle, if there is one to show.
std::optional<Message> TravelRefusal(const MainWindowState& state, double chord) {
    if (!state.Enabled(Control::Corsa))
        return std::nullopt;
    const std::optional<double> travel = ReadNumber(state.Text(Control::Corsa));
    if (!travel)
        return messages::NumberOutOfRange;
    if (!AngleFromTravel(*travel, chord))
        return messages::TravelOutOfRange;
    return std::nullopt;
}

}  // namespace

FieldCalculation CalculateFromFields(const MainWindowState& state,
                                     const TorqueConstants& constants) {
    FieldCalculation calculation;
    TorqueInputs& in = calculation.inputs;
    const bool chordsRead = ReadFields(
        state, {{Control::CordaAla, &in.CordaAla}, {Control::CordaAlett, &in.CordaAlett}});
    const bool liftInputsRead =
        ReadFields(state, {{Control::Vel, &in.Vel}, {Control::CarAla, &in.CarAla}});
    const bool angleRead = ReadFields(state, {{Control::Ang, &in.Ang}});
    const bool surfaceRead = ReadFields(state, {{Control::LungAlett, &in.LungAlett}});
    calculation.armsRead =
        ReadFields(state, {{Control::BrServ, &in.BrServ}, {Control::BrAlett, &in.BrAlett}});
    const bool torqueInputsRead = angleRead && surfaceRead && calculation.armsRead;
    calculation.result = CalculateTorque(in, constants);
    const TorqueOutcome outcome = calculation.result.Outcome;
    const std::optional<Message> travelRefusal = TravelRefusal(state, in.CordaAlett);
    calculation.deflectionKnown = angleRead && !travelRefusal;
    calculation.sweepInputsRead =
        chordsRead && liftInputsRead && surfaceRead && calculation.armsRead;

    std::optional<Message>& refusal = calculation.refusal;
    if (!chordsRead) {
        refusal = messages::NumberOutOfRange;
    } else if (outcome == TorqueOutcome::RatioOutOfRange) {
        refusal = messages::ChordRatioOutOfRange;
    } else if (travelRefusal) {
        refusal = travelRefusal;
    } else if (!liftInputsRead) {
        refusal = messages::NumberOutOfRange;
    } else if (outcome == TorqueOutcome::ZeroSpeed) {
        refusal = messages::ZeroSpeed;
    } else if (outcome == TorqueOutcome::LiftOutOfRange) {
        refusal = messages::ResultOutOfRange;
    } else if (!torqueInputsRead) {
        refusal = messages::NumberOutOfRange;
    } else if (outcome == TorqueOutcome::ZeroHornArm) {
        refusal = messages::ZeroHornArm;
    } else if (outcome == TorqueOutcome::TorqueOutOfRange) {
        refusal = messages::ResultOutOfRange;
    }
    return calculation;
}

}  // namespace coppia
