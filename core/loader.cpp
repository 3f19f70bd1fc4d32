#include "core/loader.h"

#include "core/folding.h"
#include "core/windows1252.h"

namespace velkaron {

namespace {

constexpr char16_t kSectionSign = u'§';

// Resources are padded with up to three NUL bytes to a multiple of four. The padding is
// alignment, not text: left in, it would end up in the last synonym of the letter.
QByteArrayView withoutPadding(QByteArrayView bytes)
{
    int padding = 0;
    while (padding < 3 && bytes.size() > padding && bytes[bytes.size() - 1 - padding] == '\0')
        ++padding;
    return bytes.first(bytes.size() - padding);
}

// Lower-cases a key the way the main window lower-cases what is typed (QString::toLower),
// without allocating for the plain keys that make up nearly the whole dictionary.
void appendLowered(QString &out, QStringView key)
{
    for (QChar c : key) {
        const char16_t u = c.unicode();
        const bool unchanged = u < u'A' || (u > u'Z' && u < 0xC0) || (u >= 0xDF && u <= 0xFF && u != 0xF7);
        if (!unchanged) {
            out += key.toString().toLower();
            return;
        }
    }
    out += key;
}

} // namespace

class LetterTableBuilder
{
public:
    static std::variant<LetterTable, LoadFailure> build(QByteArrayView bytes, LetterIndex letter)
    {
        bytes = withoutPadding(bytes);
        LetterTable table;
        table.text_ = QString(bytes.size(), Qt::Uninitialized);
        char16_t *text = reinterpret_cast<char16_t *>(table.text_.data());
        const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());

        // Widen and split in one pass, noting where each line's first "§" stands.
        qsizetype lineStart = 0;
        qsizetype section = -1;
        auto endLine = [&](qsizetype end) -> std::optional<LoadFailure> {
            const int number = table.lineCount() + 1;
            if (number > LetterTable::Capacity)
                return LoadFailure{letter, LoadFailure::Kind::TooManyLines, number};
            if (section < 0)
                return LoadFailure{letter, LoadFailure::Kind::MissingSectionSign, number};
            LetterTable::Cell cell;
            cell.lineStart = std::uint32_t(lineStart);
            cell.lineLength = std::uint32_t(end - lineStart);
            cell.headwordLength = std::uint32_t(section - lineStart);
            table.cells_.push_back(cell);
            return std::nullopt;
        };
        table.cells_.reserve(std::size_t(bytes.size() / 32 + 1));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char16_t c = windows1252ToUnicode(in[i]);
            text[i] = c;
            if (c == kSectionSign && section < 0) {
                section = i;
            } else if (c == u'\n' && i > lineStart && text[i - 1] == u'\r') {
                if (auto failure = endLine(i - 1))
                    return *failure;
                lineStart = i + 1;
                section = -1;
            }
        }
        if (auto failure = endLine(bytes.size()))
            return *failure;

        foldKeys(table);
        return table;
    }

private:
    static void foldKeys(LetterTable &table)
    {
        qsizetype total = 0;
        for (const auto &cell : table.cells_)
            total += cell.headwordLength;
        table.keys_.reserve(total);
        table.lowerKeys_.reserve(total);
        for (auto &cell : table.cells_) {
            const QStringView headword = QStringView(table.text_).mid(cell.lineStart, cell.headwordLength);
            cell.keyStart = std::uint32_t(table.keys_.size());
            for (QChar c : headword)
                table.keys_.append(QChar(foldedChar(c.unicode())));
            cell.lowerStart = std::uint32_t(table.lowerKeys_.size());
            appendLowered(table.lowerKeys_, QStringView(table.keys_).mid(cell.keyStart));
            cell.lowerLength = std::uint32_t(table.lowerKeys_.size() - cell.lowerStart);
        }
    }
};

QString LoadFailure::message() const
{
    const QString name = letterName(letter);
    switch (kind) {
    case Kind::Unavailable:
        return QStringLiteral("Le texte de la lettre %1 est introuvable dans le programme.").arg(name);
    case Kind::MissingSectionSign:
        return QStringLiteral("La ligne %1 de la lettre %2 n'a pas de séparateur ''§''.").arg(line).arg(name);
    case Kind::TooManyLines:
        return QStringLiteral("La lettre %1 compte plus de %2 lignes, la limite du dictionnaire.")
            .arg(name)
            .arg(LetterTable::Capacity);
    case Kind::CountMismatch:
        return QStringLiteral("La lettre %1 compte %2 lignes au lieu de %3.")
            .arg(name)
            .arg(line)
            .arg(EntryCounts[std::size_t(letter)]);
    }
    return {};
}

std::variant<LetterTable, LoadFailure> DictionaryLoader::parseLetter(QByteArrayView bytes, LetterIndex letter)
{
    return LetterTableBuilder::build(bytes, letter);
}

std::variant<DictionaryStore, LoadFailure> DictionaryLoader::load(const ResourceSource &source)
{
    DictionaryStore store;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const std::optional<QByteArray> bytes = source.fetch(resourceTypeName(letter), resourceId(letter));
        if (!bytes)
            return LoadFailure{letter, LoadFailure::Kind::Unavailable, 0};
        auto parsed = parseLetter(*bytes, letter);
        if (auto *failure = std::get_if<LoadFailure>(&parsed))
            return *failure;
        LetterTable &table = store.tables_[std::size_t(letter)];
        table = std::move(std::get<LetterTable>(parsed));
        if (table.lineCount() != EntryCounts[std::size_t(letter)])
            return LoadFailure{letter, LoadFailure::Kind::CountMismatch, table.lineCount()};
    }
    return store;
}

} // namespace velkaron
