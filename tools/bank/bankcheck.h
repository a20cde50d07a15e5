#pragma once

#include "bankmodel.h"

namespace banktool {

// Where the media files of a bank are looked for; an empty folder is not looked in.
struct MediaFolders {
    QString pictures;
    QString clips;
};

// Every way the rows break what the program relies on or the source format promises, each
// with the question's (or chapter's) id: shared ids first, then each question's problems in row
// order. A bank with the explanation columns needs an explanation and a basis for every question.
// With media folders, also every picture or clip missing there.
QList<Problem> checkBank(const Bank &bank, const MediaFolders &media = {});

} // namespace banktool
