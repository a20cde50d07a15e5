#pragma once

#include "trainer/notices.h"

#include <QList>
#include <QString>

// Message boxes answered by the test: every notice is recorded, questions take the scripted
// answers in turn (No once the script runs out).
class ScriptedNotices : public trainer::Notices {
public:
    struct Shown {
        QString text;
        QString title;
        bool question = false;
    };

    QList<Shown> shown;
    QList<bool> answers;

    void information(const QString &text, const QString &title) override {
        shown.append({text, title, false});
    }
    bool question(const QString &text, const QString &title) override {
        shown.append({text, title, true});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList texts() const {
        QStringList list;
        for (const Shown &s : shown)
            list.append(s.text);
        return list;
    }
};
