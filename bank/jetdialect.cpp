#include "jetdialect.h"

#include <QList>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

enum class Kind { Text, Word, Open, Close, Plus, Other, Space };

struct Token {
    Kind kind;
    qsizetype begin;
    qsizetype length;
};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

// Splits SQL into quoted texts, words, parentheses, `+`, blanks and other characters.
// An unterminated quote runs to the end of the text.
QList<Token> tokenize(const QString &sql) {
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const qsizetype begin = i;
        const QChar c = sql[i];
        Kind kind;
        if (c == u'\'') {
            kind = Kind::Text;
            ++i;
            while (i < n) {
                if (sql[i] == u'\'' && (i + 1 >= n || sql[i + 1] != u'\''))
                    break;
                i += sql[i] == u'\'' ? 2 : 1; // '' is a quote inside the text
            }
            i = qMin(i + 1, n);
        } else if (c.isSpace()) {
            kind = Kind::Space;
            while (i < n && sql[i].isSpace())
                ++i;
        } else if (isWordChar(c)) {
            kind = Kind::Word;
            while (i < n && isWordChar(sql[i]))
                ++i;
        } else {
            kind = c == u'('   ? Kind::Open
                   : c == u')' ? Kind::Close
                   : c == u'+' ? Kind::Plus
                               : Kind::Other;
            ++i;
        }
        tokens.append({kind, begin, i - begin});
    }
    return tokens;
}

class Translator {
public:
    explicit Translator(const QString &sql)
        : m_sql(sql), m_tokens(tokenize(sql)), m_matchingOpen(m_tokens.size(), -1) {
        QList<qsizetype> open;
        for (qsizetype t = 0; t < m_tokens.size(); ++t) {
            if (m_tokens[t].kind == Kind::Open)
                open.append(t);
            else if (m_tokens[t].kind == Kind::Close && !open.isEmpty())
                m_matchingOpen[t] = open.takeLast();
        }
    }

    QString run() const {
        QString out;
        out.reserve(m_sql.size() + 8);
        for (qsizetype t = 0; t < m_tokens.size(); ++t) {
            const Token &token = m_tokens[t];
            if (token.kind == Kind::Plus && concatenates(t))
                out += "||"_L1;
            else
                out += QStringView(m_sql).mid(token.begin, token.length);
        }
        return out;
    }

private:
    QStringView text(const Token &token) const {
        return QStringView(m_sql).mid(token.begin, token.length);
    }

    bool isCstr(qsizetype t) const {
        return t >= 0 && m_tokens[t].kind == Kind::Word &&
               text(m_tokens[t]).compare(u"cstr", Qt::CaseInsensitive) == 0;
    }

    qsizetype skipSpace(qsizetype t, int step) const {
        while (t >= 0 && t < m_tokens.size() && m_tokens[t].kind == Kind::Space)
            t += step;
        return t;
    }

    // A binary `+` whose left or right operand is a text.
    bool concatenates(qsizetype plus) const {
        const qsizetype left = skipSpace(plus - 1, -1);
        if (left < 0 || !endsOperand(m_tokens[left].kind))
            return false; // unary plus
        return leftIsText(left) || rightIsText(skipSpace(plus + 1, 1));
    }

    static bool endsOperand(Kind kind) {
        return kind == Kind::Text || kind == Kind::Word || kind == Kind::Close;
    }

    bool leftIsText(qsizetype t) const {
        if (m_tokens[t].kind == Kind::Text)
            return true;
        if (m_tokens[t].kind != Kind::Close || m_matchingOpen[t] < 0)
            return false;
        return isCstr(skipSpace(m_matchingOpen[t] - 1, -1)); // cstr(...) + ...
    }

    bool rightIsText(qsizetype t) const {
        if (t >= m_tokens.size())
            return false;
        if (m_tokens[t].kind == Kind::Text)
            return true;
        const qsizetype next = skipSpace(t + 1, 1);
        return isCstr(t) && next < m_tokens.size() && m_tokens[next].kind == Kind::Open;
    }

    const QString &m_sql;
    QList<Token> m_tokens;
    QList<qsizetype> m_matchingOpen; // for each `)`, the index of its `(` or -1
};

// "update T set c=<constant>" without WHERE gives every row that value. Rows that hold it
// already need no writing, and when none is written the commit syncs nothing to disk (most
// mode switches find nothing answered): the same result at a fraction of the cost.
QString skipRowsAlreadySet(const QString &sqlite) {
    static const QRegularExpression resetAll(
        uR"(^(\s*update\s+[A-Za-z_]\w*\s+set\s+([A-Za-z_]\w*)\s*=\s*('(?:[^']|'')*'|-?\d+))\s*;?\s*$)"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = resetAll.match(sqlite);
    if (!match.hasMatch())
        return sqlite;
    return match.captured(1) + u" where "_s + match.captured(2) + u" is not "_s + match.captured(3);
}

} // namespace

QString translateJetSql(const QString &jetSql) {
    return skipRowsAlreadySet(Translator(jetSql).run());
}

} // namespace bank
