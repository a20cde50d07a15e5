#pragma once

#include "bank/bankwriter.h"

#include <QString>

// The rows of a bank of `questions` questions with texts of realistic sizes (stems of 20 to 60
// Chinese characters, four options): chapters 1 to 7 and a few rows of chapter 8, the three
// question types, some pictures and clips, nothing answered.
bank::BankRows sampleRows(int questions);

// Writes sampleRows(questions) as an encrypted bank.
void writeSampleBank(const QString &path, int questions);
