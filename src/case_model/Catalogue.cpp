// The catalogue's rows, as printed in the game.
#include "case_model/Catalogue.h"

#include <array>

namespace schattwerk {
namespace {

constexpr std::array<CatalogueRow, 80> kCatalogue{{
    {11, 4, "Ich bin mir sicher, ich habe einen Mann gesehen.", 1},
    {12, 7, "Bus", 32},
    {13, 3, "Die Person trug keinen Hut.", 2},
    {14, 1, "Ich habe leider nichts gesehen.", 0},
    {15, 8, "Reverend Ambrel sagt nicht die Wahrheit.", 70},
    {16, 5, "Ich habe eine Frau gesehen.", 17},
    {17, 6, "Einen Hut hatte die Person nicht auf.", 2},
    {18, 2, "Die Person trug eine Brille.", 20},
    {19, 3, "Ich habe Brillengläser blitzen sehen.", 20},
    {20, 1, "Die Person trug einen Hut.", 18},
    {21, 8, "Die Baronin v. Orvath lügt.", 66},
    {22, 4, "Ich habe leider nichts gesehen.", 0},
    {23, 3, "Eine Brille trug die Person nicht.", 4},
    {24, 8, "Alle Zeugen sagen die Wahrheit.", 64},
    {25, 7, "Parade", 33},
    {26, 5, "Die Person hatte graues Haar.", 24},
    {27, 2, "Dazu kann ich nichts sagen.", 0},
    {28, 3, "Ich habe graue Haare gesehen.", 24},
    {29, 1, "Ich habe keinen Hut gesehen, da bin ich mir sicher.", 2},
    {30, 5, "Ich bin sicher, die Person hatte eine Brille auf.", 20},
    {31, 7, "Stand", 34},
    {32, 8, "Alle Zeugen sagen die Wahrheit.", 64},
    {33, 3, "Es war eindeutig ein Mann, das habe ich gleich erkannt.", 1},
    {34, 2, "Ich habe einen Herrn gesehen, keine Dame.", 1},
    {35, 5, "Ich habe keine Brille gesehen.", 4},
    {36, 6, "Graue Haare hatte die Person nicht.", 8},
    {37, 4, "Einen Hut hatte die Person nicht auf.", 2},
    {38, 1, "Ich habe nicht darauf geachtet.", 0},
    {39, 2, "Die Person war ohne Hut unterwegs.", 2},
    {40, 3, "Das Haar war nicht grau.", 8},
    {41, 1, "Mir ist eine Brille aufgefallen.", 20},
    {42, 6, "Es war ganz sicher eine Frau.", 17},
    {43, 2, "Das Haar war grau, ganz sicher.", 24},
    {44, 5, "Der Gestalt nach war es ein Mann.", 1},
    {45, 8, "Fräulein Livana sagt nicht die Wahrheit.", 67},
    {46, 4, "Mir sind die grauen Haare aufgefallen.", 24},
    {47, 7, "Kirmes", 35},
    {48, 6, "Die Person hatte keine Brille auf der Nase.", 4},
    {49, 2, "Es ging alles zu schnell, ich weiß nichts.", 0},
    {51, 1, "Ich könnte schwören, dass es ein Mann war.", 1},
    {52, 6, "Ich war gerade abgelenkt und habe nichts bemerkt.", 0},
    {53, 8, "Niemand lügt.", 64},
    {54, 4, "Ich habe eine Brille gesehen.", 20},
    {55, 3, "Dazu kann ich nichts sagen.", 0},
    {56, 1, "Ich habe eine Dame davonlaufen sehen.", 17},
    {57, 2, "Ich habe kein graues Haar gesehen.", 8},
    {58, 5, "Ich habe einen Hut gesehen, tief ins Gesicht gezogen.", 18},
    {59, 7, "Bus", 32},
    {60, 6, "Unter der Laterne schimmerte graues Haar.", 24},
    {61, 4, "Die Haare waren dunkel, nicht grau.", 8},
    {62, 7, "Parade", 33},
    {63, 5, "Grau war das Haar bestimmt nicht.", 8},
    {64, 3, "Ich kann mich an nichts erinnern.", 0},
    {65, 4, "Meiner Beobachtung nach war es eine Frau.", 17},
    {66, 8, "Niemand lügt.", 64},
    {67, 6, "Die Person schob sich eine Brille zurecht.", 20},
    {68, 2, "Eine Brille hatte die Person bestimmt nicht.", 4},
    {69, 1, "Die Person hatte kein graues Haar, da bin ich mir sicher.", 8},
    {70, 4, "Ich konnte die Augen deutlich sehen, ohne Brille.", 4},
    {71, 5, "Ich war gerade abgelenkt und habe nichts bemerkt.", 0},
    {72, 8, "Oberst v. Kallmer lügt.", 68},
    {73, 7, "Stand", 34},
    {74, 1, "Mir ist keine Brille aufgefallen, die Person trug bestimmt keine.", 4},
    {75, 3, "Ich bin überzeugt, dass es eine Frau war.", 17},
    {76, 2, "Ich habe eine Frauenstimme gehört und dann eine Dame gesehen.", 17},
    {77, 8, "Frau Sorrak lügt.", 69},
    {78, 6, "Ganz sicher hatte die Person einen Hut auf.", 18},
    {79, 7, "Kirmes", 35},
    {80, 5, "Ich habe in die andere Richtung geschaut.", 0},
    {81, 4, "Mir ist ein Hut aufgefallen.", 18},
    {82, 1, "Ich erinnere mich an graues Haar.", 24},
    {84, 6, "Es war zu dunkel, ich habe nichts erkannt.", 0},
    {86, 5, "Auf dem Kopf trug die Person nichts, keinen Hut.", 2},
    {87, 8, "Glauben Sie Professor Quillon kein Wort, er lügt.", 65},
    {88, 2, "Ich erinnere mich genau an einen Hut.", 18},
    {89, 3, "Ich erinnere mich genau an einen Hut.", 18},
    {91, 6, "Ich habe einen Mann mit tiefer Stimme gesehen.", 1},
    {92, 8, "Ich habe alle Aussagen geprüft: Keiner lügt.", 64},
    {93, 4, "Ich habe nur einen Schatten gesehen, mehr nicht.", 0},
    {95, 8, "Ich habe alle Aussagen geprüft: Keiner lügt.", 64},
}};

constexpr std::array<WitnessId, 6> kAttributeWitnesses{1, 2, 3, 4, 5, 6};
constexpr std::array<SuspectId, 12> kSuspects{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12};

constexpr auto kStatements = [] {
    std::array<Statement, kCatalogue.size()> statements;
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        const CatalogueRow& from = kCatalogue.at(row);
        statements.at(row) = Statement(from.hintNumber, from.witness, from.text, from.clue);
    }
    return statements;
}();

template <class Record, std::size_t Count>
constexpr std::array<Record, Count> RecordsOf(const std::array<std::int32_t, Count>& ids) {
    std::array<Record, Count> records;
    for (std::size_t index = 0; index < Count; ++index) {
        records.at(index) = Record(ids.at(index));
    }
    return records;
}

constexpr auto kAttributeWitnessRecords = RecordsOf<Witness>(kAttributeWitnesses);
constexpr auto kSuspectRecords = RecordsOf<Suspect>(kSuspects);

}  // namespace

std::span<const CatalogueRow> CatalogueRows() {
    return kCatalogue;
}

std::span<const WitnessId> AttributeWitnessIds() {
    return kAttributeWitnesses;
}

std::span<const SuspectId> SuspectIds() {
    return kSuspects;
}

std::span<const Statement> CatalogueStatements() {
    return kStatements;
}

std::span<const Witness> AttributeWitnesses() {
    return kAttributeWitnessRecords;
}

std::span<const Suspect> AllSuspects() {
    return kSuspectRecords;
}

}  // namespace schattwerk
