#pragma once

#include "calc/layout/padstack.h"

#include <array>

namespace tw::padstack {

struct Default {
    const char *imperial = nullptr; // nullptr: the box keeps its text
    const char *metric = nullptr;
};

// What choosing a type writes: captions of Label61, Label62, Label63, Label68, Label67 and
// Label66; hints of Edit33 to Edit38; defaults of Edit33, Edit34, Edit35, Edit211 and Edit213.
// A null text leaves the control as it is.
struct TypeRow {
    std::array<const char *, 6> captions;
    std::array<const char *, 6> hints;
    std::array<Default, 5> defaults;
};

const TypeRow &typeRow(PadType type);

} // namespace tw::padstack
