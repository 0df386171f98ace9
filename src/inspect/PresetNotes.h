#pragma once

#include "inspect/Document.h"
#include "inspect/Lint.h"

#include <QList>

namespace rx20::inspect {

// Advice, not faults: where a file holds exactly the values of a catalogue
// preset and later public data writes one of them otherwise (a new server
// after a merger or a rebrand), a note names the newer value and its source,
// so that an installer can choose it; where the operator that took over the
// preset's network writes one otherwise there, a note names that successor's
// value, its name and its source.
class PresetNotes
{
public:
    static QList<Finding> of(const Document &document);
};

} // namespace rx20::inspect
