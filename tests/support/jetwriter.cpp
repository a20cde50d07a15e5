#include "jetwriter.h"

#include <QFile>

#include <array>
#include <cstring>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace jetfixture {

namespace {

constexpr int kPageSize = 4096;
// Data and long-value pages: type, 1, free space, owner (or "LVAL"), 4 unknown bytes, the row
// count at 12, then one 2-byte offset per row; rows fill the page from its end.
constexpr int kRowCountAt = 12;
constexpr int kRowOffsetsAt = 14;
constexpr int kMemoHeader = 12;
constexpr int kInlineMemoBytes = 1024; // longer memo texts go to long-value pages
constexpr int kLongValueChunk = kPageSize - kRowOffsetsAt - 2 - 4;

constexpr char kDataPage = 0x01;
constexpr char kTableDefinitionPage = 0x02;

constexpr int kCatalogPage = 2; // the catalogue's table definition is always page 2
constexpr double kCreated = 45123.25;

void put16(QByteArray &bytes, int at, quint32 value) {
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char((value >> 8) & 0xff);
}

void put32(QByteArray &bytes, int at, quint32 value) {
    put16(bytes, at, value & 0xffff);
    put16(bytes, at + 2, value >> 16);
}

QByteArray le16(quint32 value) {
    QByteArray bytes(2, '\0');
    put16(bytes, 0, value);
    return bytes;
}

QByteArray ucs2(const QString &text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes += le16(c.unicode());
    return bytes;
}

// Text the way Jet 4 stores it: "compressed" (a FF FE mark, then one byte per character) when
// every character fits a byte, else two bytes per character.
QByteArray jetText(const QString &text) {
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() > 0xff)
            return ucs2(text);
    }
    QByteArray bytes("\xff\xfe", 2);
    for (const QChar c : text)
        bytes += char(c.unicode());
    return bytes;
}

// The masking of the header's key area: RC4 with a key every Jet file shares.
void maskHeader(QByteArray &page) {
    const std::array<quint8, 4> key = {0xc7, 0xda, 0x39, 0x6b};
    std::array<quint8, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % key.size()]) & 0xff;
        std::swap(state[i], state[j]);
    }
    for (int n = 0, x = 0, y = 0; n < 128; ++n) {
        x = (x + 1) & 0xff;
        y = (y + state[x]) & 0xff;
        std::swap(state[x], state[y]);
        page[0x18 + n] = char(quint8(page[0x18 + n]) ^ state[(state[x] + state[y]) & 0xff]);
    }
}

QByteArray headerPage(const QString &password) {
    QByteArray page(kPageSize, '\0');
    page[1] = 0x01;
    std::memcpy(page.data() + 4, "Standard Jet DB", 15);
    put32(page, 0x14, 1); // Jet 4
    put16(page, 0x3c, 1252);
    put16(page, 0x6e, 0x0409);
    std::memcpy(page.data() + 0x72, &kCreated, sizeof kCreated);
    // The password, two bytes a character, masked once more with the creation date.
    const QByteArray secret = ucs2(password.left(20)).leftJustified(40, '\0');
    const auto date = quint32(qint32(kCreated));
    for (int i = 0; i < 40; ++i)
        page[0x42 + i] = char(quint8(secret[i]) ^ quint8(date >> (8 * (i % 4))));
    maskHeader(page);
    return page;
}

QByteArray emptyDataPage(quint32 owner) {
    QByteArray page(kPageSize, '\0');
    page[0] = kDataPage;
    page[1] = 0x01;
    put32(page, 4, owner);
    put16(page, 2, kPageSize - kRowOffsetsAt);
    return page;
}

int rowCount(const QByteArray &page) {
    return quint8(page[kRowCountAt]) | quint8(page[kRowCountAt + 1]) << 8;
}

int rowsEnd(const QByteArray &page) {
    const int rows = rowCount(page);
    if (rows == 0)
        return kPageSize;
    const int at = kRowOffsetsAt + 2 * (rows - 1);
    return quint8(page[at]) | quint8(page[at + 1]) << 8;
}

// Appends a row to a data page; returns its number there, or -1 when it does not fit.
int addRow(QByteArray &page, const QByteArray &row) {
    const int rows = rowCount(page);
    const int start = rowsEnd(page) - int(row.size());
    if (start < kRowOffsetsAt + 2 * (rows + 1))
        return -1;
    std::memcpy(page.data() + start, row.constData(), row.size());
    put16(page, kRowOffsetsAt + 2 * rows, quint32(start));
    put16(page, kRowCountAt, quint32(rows + 1));
    put16(page, 2, quint32(start - kRowOffsetsAt - 2 * (rows + 1)));
    return rows;
}

bool isFixed(ColumnType type) {
    return type != ColumnType::Text && type != ColumnType::Memo && type != ColumnType::Ole;
}

int fixedSize(ColumnType type) {
    switch (type) {
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
        return 4;
    case ColumnType::Double:
        return 8;
    default:
        return 0;
    }
}

quint8 typeCode(ColumnType type) {
    switch (type) {
    case ColumnType::Integer:
        return 0x03;
    case ColumnType::Long:
        return 0x04;
    case ColumnType::Double:
        return 0x07;
    case ColumnType::Text:
        return 0x0a;
    case ColumnType::Memo:
        return 0x0c;
    case ColumnType::Ole:
        return 0x0b;
    }
    return 0;
}

QByteArray fixedValue(ColumnType type, const QVariant &value) {
    QByteArray bytes(fixedSize(type), '\0');
    if (!value.isValid())
        return bytes;
    if (type == ColumnType::Double) {
        const double number = value.toDouble();
        std::memcpy(bytes.data(), &number, sizeof number);
    } else if (type == ColumnType::Long) {
        put32(bytes, 0, quint32(value.toInt()));
    } else {
        put16(bytes, 0, quint32(value.toInt()));
    }
    return bytes;
}

class Writer {
public:
    explicit Writer(const QString &password) {
        m_pages.append(headerPage(password));
        m_pages.append(emptyDataPage(0)); // the tables' page-usage maps
    }

    int allocate(QByteArray page) {
        m_pages.append(std::move(page));
        return int(m_pages.size()) - 1;
    }

    void writeTable(const Table &table, int definitionPage, bool system) {
        QList<int> dataPages;
        for (const QVariantList &values : table.rows) {
            const QByteArray row = encodeRow(table, values);
            if (dataPages.isEmpty() || addRow(m_pages[dataPages.last()], row) < 0) {
                dataPages.append(allocate(emptyDataPage(quint32(definitionPage))));
                if (addRow(m_pages[dataPages.last()], row) < 0)
                    throw std::runtime_error("a row of " + table.name.toStdString() +
                                             " does not fit a page");
            }
        }
        const quint32 usageMap = addUsageMap(dataPages);
        const quint32 freeMap = addUsageMap({});
        m_pages[definitionPage] = definition(table, system, usageMap, freeMap);
    }

    void save(const QString &path) const {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write " + path.toStdString());
        for (const QByteArray &page : m_pages)
            file.write(page);
    }

private:
    QByteArray encodeRow(const Table &table, const QVariantList &values) {
        if (values.size() != table.columns.size())
            throw std::runtime_error("a row of " + table.name.toStdString() +
                                     " has the wrong number of values");
        QByteArray fixed, variable;
        QList<int> offsets;
        QByteArray nullMask((table.columns.size() + 7) / 8, '\0');
        const int fixedStart = 2;
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            const Column &column = table.columns[i];
            if (values[i].isValid())
                nullMask[i / 8] = char(nullMask[i / 8] | (1 << (i % 8)));
            if (isFixed(column.type))
                fixed += fixedValue(column.type, values[i]);
        }
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            const Column &column = table.columns[i];
            if (isFixed(column.type))
                continue;
            offsets.append(fixedStart + int(fixed.size() + variable.size()));
            if (values[i].isValid())
                variable += variableValue(column, values[i].toString());
        }
        QByteArray row = le16(quint32(table.columns.size())) + fixed + variable;
        offsets.append(int(row.size())); // where the variable values end
        for (qsizetype i = offsets.size() - 1; i >= 0; --i)
            row += le16(quint32(offsets[i]));
        row += le16(quint32(offsets.size() - 1)) + nullMask;
        return row;
    }

    QByteArray variableValue(const Column &column, const QString &text) {
        if (column.type == ColumnType::Ole)
            throw std::runtime_error("the writer stores no long binary values");
        if (column.type == ColumnType::Text) {
            if (text.size() > column.maxChars)
                throw std::runtime_error("a text longer than its column " +
                                         column.name.toStdString());
            return jetText(text);
        }
        QByteArray header(kMemoHeader, '\0');
        const QByteArray inlineBytes = jetText(text);
        if (inlineBytes.size() <= kInlineMemoBytes) {
            put32(header, 0, quint32(inlineBytes.size()) | 0x80000000u);
            return header + inlineBytes;
        }
        const QByteArray bytes = ucs2(text);
        put32(header, 0, quint32(bytes.size()));
        put32(header, 4, longValueChain(bytes));
        return header;
    }

    // Stores the bytes on long-value pages, one piece a page, each piece preceded by the place of
    // the next; returns the place (page and row) of the first.
    quint32 longValueChain(const QByteArray &bytes) {
        quint32 next = 0;
        for (qsizetype end = bytes.size(); end > 0;) {
            const qsizetype start = ((end - 1) / kLongValueChunk) * kLongValueChunk;
            QByteArray page = emptyDataPage(0);
            std::memcpy(page.data() + 4, "LVAL", 4);
            QByteArray piece(4, '\0');
            put32(piece, 0, next);
            addRow(page, piece + bytes.mid(start, end - start));
            next = quint32(allocate(page)) << 8;
            end = start;
        }
        return next;
    }

    // A type-0 usage map (first page, then one bit a page) as a row of page 1.
    quint32 addUsageMap(const QList<int> &pages) {
        const int first = pages.isEmpty() ? 0 : pages.first();
        const int last = pages.isEmpty() ? -1 : pages.last();
        QByteArray map(5 + (last - first + 8) / 8, '\0');
        put32(map, 1, quint32(first));
        for (const int page : pages)
            map[5 + (page - first) / 8] =
                char(map[5 + (page - first) / 8] | (1 << ((page - first) % 8)));
        const int row = addRow(m_pages[1], map);
        if (row < 0)
            throw std::runtime_error("the usage maps do not fit page 1");
        return (1u << 8) | quint32(row);
    }

    static QByteArray definition(const Table &table, bool system, quint32 usageMap,
                                 quint32 freeMap) {
        QByteArray page(kPageSize, '\0');
        page[0] = kTableDefinitionPage;
        page[1] = 0x01;
        const auto columns = quint32(table.columns.size());
        quint32 variableColumns = 0;
        for (const Column &column : table.columns)
            variableColumns += isFixed(column.type) ? 0 : 1;
        put32(page, 16, quint32(table.rows.size()));
        page[40] = system ? 0x53 : 0x4e;
        put16(page, 41, columns);
        put16(page, 43, variableColumns);
        put16(page, 45, columns);
        put32(page, 55, usageMap);
        put32(page, 59, freeMap);
        int at = 63;
        quint32 fixedOffset = 0, variableIndex = 0;
        for (qsizetype i = 0; i < table.columns.size(); ++i, at += 25) {
            const Column &column = table.columns[i];
            page[at] = char(typeCode(column.type));
            put16(page, at + 5, quint32(i));
            put16(page, at + 9, quint32(i));
            if (isFixed(column.type)) {
                page[at + 15] = 0x03; // fixed length, may be Null
                put16(page, at + 21, fixedOffset);
                put16(page, at + 23, quint32(fixedSize(column.type)));
                fixedOffset += quint32(fixedSize(column.type));
            } else {
                put16(page, at + 7, variableIndex++);
                put16(page, at + 11, 0x0409); // general sort order
                page[at + 15] = 0x02;
                page[at + 16] = 0x01; // unicode compression allowed
                put16(page, at + 23,
                      column.type == ColumnType::Text ? quint32(2 * column.maxChars) : 0);
            }
        }
        for (const Column &column : table.columns) {
            const QByteArray name = ucs2(column.name);
            page.replace(at, 2 + name.size(), QByteArray(le16(quint32(name.size())) + name));
            at += 2 + int(name.size());
        }
        put32(page, 8, quint32(at));
        put16(page, 2, quint32(kPageSize - at - 8));
        return page;
    }

    QList<QByteArray> m_pages;
};

// The catalogue: one row per table (its definition page is its id), itself included.
Table catalogue(const QList<Table> &tables, int firstDefinitionPage) {
    constexpr qint64 kSystemFlags = qint64(qint32(0x80000002u));
    Table catalogue{u"MSysObjects"_s,
                    {{u"Id"_s, ColumnType::Long},
                     {u"ParentId"_s, ColumnType::Long},
                     {u"Name"_s, ColumnType::Text, 128},
                     {u"Type"_s, ColumnType::Integer},
                     {u"Flags"_s, ColumnType::Long},
                     {u"LvProp"_s, ColumnType::Ole}},
                    {{kCatalogPage, 0, u"MSysObjects"_s, 1, kSystemFlags, QVariant()}}};
    for (qsizetype i = 0; i < tables.size(); ++i)
        catalogue.rows.append({firstDefinitionPage + int(i), 0, tables[i].name, 1, 0, QVariant()});
    return catalogue;
}

} // namespace

void writeJetFile(const QString &path, const Database &database) {
    Writer writer(database.password);
    const int catalogPage = writer.allocate(QByteArray(kPageSize, '\0'));
    Q_ASSERT(catalogPage == kCatalogPage);
    QList<int> definitionPages;
    for (qsizetype i = 0; i < database.tables.size(); ++i)
        definitionPages.append(writer.allocate(QByteArray(kPageSize, '\0')));
    const int first = definitionPages.isEmpty() ? kCatalogPage + 1 : definitionPages.first();
    writer.writeTable(catalogue(database.tables, first), kCatalogPage, true);
    for (qsizetype i = 0; i < database.tables.size(); ++i)
        writer.writeTable(database.tables[i], definitionPages[i], false);
    writer.save(path);
}

} // namespace jetfixture
