#pragma once

#include "bankmodel.h"

#include <QByteArray>

namespace banktool {

// The bank as a JSON source in the layout authors write by hand (one chapter a line; a question's
// numbers, stem, options and answer; media, explanation and basis on lines of their own). A sound
// bank's source builds the same bank again. What the format cannot say is written so that building
// it fails visibly: a Null option inside the list as null, a non-numeric type as a text, a media
// name lacking its leading "\" as it stands.
QByteArray toSourceJson(const Bank &bank);

} // namespace banktool
