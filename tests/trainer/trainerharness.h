#pragma once

#include "bank/bankformat.h"
#include "bank/schema.h"
#include "bank/sqlite.h"
#include "fixturebank.h"
#include "scriptednotices.h"
#include "trainer/formmain.h"

#include <QLabel>
#include <QLineEdit>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A FormMain of the light edition over a fixture bank in a fresh program folder, shown
// offscreen, with scripted message boxes.
class TrainerHarness {
public:
    TrainerHarness(const QList<fixture::Chapter> &chapters,
                   const QList<fixture::Question> &questions) {
        fixture::writeBank(bankPath(), chapters, questions);
        forgetProgress();
        start();
    }
    // A program folder without a bank.
    TrainerHarness() { start(); }

    QString folder() const { return m_dir.path(); }
    QString bankPath() const { return m_dir.path() + QStringLiteral("/aqc.dll"); }

    static trainer::Edition edition() {
        trainer::Edition e;
        e.bankFile = QStringLiteral("\\aqc.dll");
        e.pictureFolder = QStringLiteral("\\anquanimages");
        e.clipFolder = QStringLiteral("\\anquanimages");
        e.startPicture = QStringLiteral(":/edition/start.png");
        e.windowIcon = QStringLiteral(":/edition/icon.png");
        e.windowTitle = QStringLiteral("SafeDrive test");
        return e;
    }

    trainer::FormMain &form() { return *m_form; }
    ScriptedNotices notices;

    template <class T = QWidget> T *get(const QString &name) {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    // Clicks a control the way the learner can: only a visible one.
    void click(const QString &name) {
        QWidget *widget = get(name);
        if (!widget->isVisible())
            qFatal("%s is hidden and cannot be clicked", qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    // A label's or text box's text.
    QString text(const QString &name) {
        QWidget *widget = get(name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            return edit->text();
        qFatal("%s has no text", qPrintable(name));
    }
    // The state column of question id as stored in the bank file.
    QVariant storedState(qint64 id) {
        bank::sqlite::Database db(bankPath(), bank::sqlite::Database::Mode::ReadOnly);
        db.key(QByteArray(bank::kBankPassword));
        bank::applyBankFormat(db.handle());
        bank::sqlite::Statement select(db,
                                       QStringLiteral("select state from shiti2012 where id=?"));
        select.bind(1, id);
        return select.step() ? select.column(0) : QVariant();
    }
    bool shown(const QString &name) { return get(name)->isVisible(); }
    // Closes the window and starts it again, as a learner does between two sessions.
    void restart() {
        m_form->close();
        m_form.reset();
        start();
    }

private:
    void start() {
        // The learner's progress goes to Qt's test folder, never the user's own.
        QStandardPaths::setTestModeEnabled(true);
        m_form = std::make_unique<trainer::FormMain>(edition(), &notices, m_dir.path());
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            qFatal("window not exposed");
    }

    static void forgetProgress() {
        QStandardPaths::setTestModeEnabled(true);
        const QString store = trainer::FormMain::defaultProgressFile();
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(store + suffix);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<trainer::FormMain> m_form;
};
