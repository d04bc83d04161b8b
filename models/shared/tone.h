// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace coppia {

// What a text means at a glance; a view gives each its colour. In order of concern, least first,
// so that the greater of two tones is the one that says more.
enum class Tone { Neutral, Good, Warning, Bad };

}  // namespace coppia
