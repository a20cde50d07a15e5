#pragma once

#include <QString>

// Writes a bank of `questions` rows with texts of realistic sizes (stems of 20 to 60 Chinese
// characters, four options): chapters 1 to 7 and a few rows of chapter 8, the three question
// types, some pictures and clips, nothing answered.
void writeSampleBank(const QString &path, int questions);
