// The id spaces of the game: witnesses, suspects (their attribute masks) and clue codes.
#pragma once

#include <cstdint>

namespace schattwerk {

using WitnessId = std::int32_t;
using SuspectId = std::int32_t;
using ClueCode = std::int32_t;

inline constexpr std::int32_t IdInvalid = 255;

inline constexpr WitnessId WitnessNobody = 0;
inline constexpr WitnessId WitnessPlace = 7;  // names the hiding place, never lies
inline constexpr WitnessId WitnessLiar = 8;   // says who lies, never lies
inline constexpr int WitnessCount = 8;

// A suspect's id is the OR of the attributes it has; attribute clues use the same bits.
inline constexpr SuspectId AttrFemale = 1;
inline constexpr SuspectId AttrHat = 2;
inline constexpr SuspectId AttrGlasses = 4;
inline constexpr SuspectId AttrGreyHair = 8;
inline constexpr SuspectId AttrMask = 15;

inline constexpr ClueCode ClueNone = 0;
inline constexpr ClueCode ClueAttrPresent = 16;  // set when the statement says the culprit has it
inline constexpr ClueCode CluePlaceBase = 32;    // + place index 0..3
inline constexpr ClueCode ClueLiarBase = 64;     // + the liar's WitnessId, 0 for nobody
inline constexpr ClueCode ClueNobodyLies = ClueLiarBase + WitnessNobody;

}  // namespace schattwerk
