#pragma once

#include <QString>

class QWidget;

namespace trainer {

// The message boxes the window shows the learner: an OK notice and a yes/no question.
// Tests script the answers instead of clicking real modal boxes.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void information(const QString &text, const QString &title) = 0;
    virtual bool question(const QString &text, const QString &title) = 0; // true for Yes
};

// The platform's modal message boxes, owned by the window they belong to.
class MessageBoxNotices : public Notices {
public:
    explicit MessageBoxNotices(QWidget *parent) : m_parent(parent) {}
    void information(const QString &text, const QString &title) override;
    bool question(const QString &text, const QString &title) override;

private:
    QWidget *m_parent;
};

} // namespace trainer
