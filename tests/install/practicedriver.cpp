// Loaded into an installed program with LD_PRELOAD (see tst_install): once the window is up it
// practises, watches a clip and starts the examination as a learner would, through the controls'
// names, and ends the program with status 0 when every answer was taken and kept. It prints what
// the window showed, one fact a line.
#include "tests/support/mappedfile.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget *mainWindow() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"FormMain"_s)
            return widget;
    }
    return nullptr;
}

class Learner {
public:
    explicit Learner(QWidget *form) : m_form(form) {}

    bool click(const QString &name) {
        QWidget *widget = m_form->findChild<QWidget *>(name);
        if (!widget || !widget->isVisible())
            return fail(u"cannot click "_s + name);
        QTest::mouseClick(widget, Qt::LeftButton);
        return true;
    }
    QString text(const QString &name) const {
        const auto *label = m_form->findChild<QLabel *>(name);
        return label && label->isVisible() ? label->text() : QString();
    }
    bool pictureShown() const {
        const auto *picture = m_form->findChild<QLabel *>(u"imgTitlePic"_s);
        return picture && picture->isVisible() && !picture->pixmap().isNull();
    }
    static void say(const QString &fact) { QTextStream(stdout) << fact << Qt::endl; }
    static bool fail(const QString &reason) {
        say(reason);
        return false;
    }

    // Answers A on the question shown, steps forward and back, and reports whether the answer
    // is still shown: recorded for the run, even in a bank that cannot be written.
    bool answerAndKeep(const QString &what) {
        const QString title = text(u"lblTitle"_s);
        if (title.isEmpty() || !click(u"imgAnswer(0)"_s))
            return fail(what + u": no question to answer"_s);
        say(what + u" question: "_s + title);
        if (!click(u"imgNext"_s) || !click(u"imgPre"_s))
            return false;
        const QString kept = text(u"lblMyAnswer"_s);
        say(what + u" kept: "_s + kept);
        return kept == u"A"_s;
    }

    // Animation practice: its first clip seen moving, and where the player's module was loaded
    // from; or, when the clips are missing, no clip at all.
    bool watchClip() {
        if (!click(u"imgNav(2)"_s))
            return false;
        auto *clip = m_form->findChild<QWidget *>(u"wmp"_s);
        QImage seen;
        for (int waited = 0; waited < 10000; waited += 100) {
            if (clip && clip->isVisible()) {
                const QImage now = clip->grab().toImage();
                if (!seen.isNull() && now != seen) {
                    say(u"clip: moving"_s);
                    say(u"clip module: "_s + mappedFile(u"safedrive-clips.so"_s));
                    return true;
                }
                seen = now;
            }
            QTest::qWait(100);
        }
        say(u"clip: none"_s);
        return true;
    }
    // Sequential practice, advancing by hand, then a look for a question with a picture; then
    // animation practice; then the mock examination with its clock.
    bool practiseAndExamine() {
        if (!click(u"imgNav(0)"_s))
            return false;
        if (auto *advance = m_form->findChild<QComboBox *>(u"cboJump"_s))
            advance->setCurrentIndex(1);
        if (!answerAndKeep(u"practice"_s))
            return false;
        const int count = text(u"lblAll"_s).section(u' ', 0, 0).toInt();
        bool picture = pictureShown();
        for (int step = 1; step < count && !picture; ++step) {
            if (!click(u"imgNext"_s))
                return false;
            picture = pictureShown();
        }
        say(picture ? u"picture: shown"_s : u"picture: none"_s);
        if (!watchClip())
            return false;

        if (!click(u"imgNav(4)"_s))
            return false;
        say(u"exam clock: "_s + text(u"lblTime"_s) + u", paper: "_s + text(u"lblAll"_s));
        return answerAndKeep(u"exam"_s);
    }

private:
    QWidget *m_form;
};

void drive() {
    QWidget *form = mainWindow();
    const bool ok =
        form ? Learner(form).practiseAndExamine() : Learner::fail(u"no FormMain window"_s);
    QCoreApplication::exit(ok ? 0 : 1);
}

void scheduleDrive() {
    QTimer::singleShot(0, qApp, drive);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDrive)
