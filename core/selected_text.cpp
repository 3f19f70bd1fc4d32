#include "core/selected_text.h"

#include <QStringList>

#include <array>
#include <utility>

namespace velkaron {
namespace {

enum class Kind { Word, Space, Dropped };

Kind kindOf(char32_t c)
{
    if (QChar::isSpace(c))
        return Kind::Space;
    switch (QChar::category(c)) {
    case QChar::Other_Format:
        return Kind::Dropped;
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return Kind::Space;
    default:
        return Kind::Word;
    }
}

bool isLetterOrDigit(char32_t c)
{
    return QChar::isLetterOrNumber(c);
}

// Removes from both ends whatever is neither a letter nor a digit; combining marks stay
// with the letter they sit on.
QString trimmedToLetters(const QString &text)
{
    const QList<uint> points = text.toUcs4();
    qsizetype first = 0;
    while (first < points.size() && !isLetterOrDigit(points[first]))
        ++first;
    qsizetype last = points.size();
    while (last > first) {
        qsizetype base = last - 1; // the last character, or the one its marks sit on
        while (base > first && QChar::category(points[base]) == QChar::Mark_NonSpacing)
            --base;
        if (isLetterOrDigit(points[base]))
            break;
        last = base;
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData() + first), last - first);
}

// Articles and pronouns that French elides before a vowel, lower-case, without the apostrophe.
constexpr std::array<QStringView, 14> ElidedWords = {
    u"l", u"d", u"j", u"m", u"t", u"s", u"n", u"c", u"ç", u"qu", u"jusqu", u"lorsqu", u"puisqu", u"quoiqu",
};

QString withoutElision(const QString &text)
{
    qsizetype apostrophe = -1;
    for (qsizetype i = 1; i < text.size() && i <= 6 && apostrophe < 0; ++i) {
        if (text[i] == u'\'' || text[i] == u'’')
            apostrophe = i;
    }
    if (apostrophe < 0 || apostrophe + 1 >= text.size() || !text[apostrophe + 1].isLetter())
        return {};
    const QString head = text.first(apostrophe).toLower();
    for (const QStringView elided : ElidedWords) {
        if (head == elided)
            return text.sliced(apostrophe + 1);
    }
    return {};
}

} // namespace

std::optional<TextWord> wordInSelection(QStringView selected)
{
    // Words, split at white space, until the third one is complete.
    QStringList words;
    QString current;
    bool seenLetter = false;
    for (auto it = selected.begin(); it != selected.end();) {
        char32_t c = it->unicode();
        if (QChar::isHighSurrogate(c) && it + 1 != selected.end() && (it + 1)->isLowSurrogate()) {
            c = QChar::surrogateToUcs4(*it, *(it + 1));
            it += 2;
        } else {
            ++it;
        }
        switch (kindOf(c)) {
        case Kind::Dropped:
            break;
        case Kind::Space:
            if (!current.isEmpty()) {
                words.append(std::exchange(current, {}));
                if (words.size() == SelectedWordsKept)
                    it = selected.end();
            }
            break;
        case Kind::Word:
            // Leading punctuation and quotes never start a word of their own.
            if (!seenLetter && !isLetterOrDigit(c))
                break;
            seenLetter = true;
            if (QChar::requiresSurrogates(c)) {
                current += QChar(QChar::highSurrogate(c));
                current += QChar(QChar::lowSurrogate(c));
            } else {
                current += QChar(char16_t(c));
            }
            break;
        }
        // A single word of megabytes: past the characters kept, the rest cannot matter.
        if (current.size() > 4 * SelectedCharactersKept)
            it = selected.end();
    }
    if (!current.isEmpty() && words.size() < SelectedWordsKept)
        words.append(current);

    QString text = words.join(u' ').normalized(QString::NormalizationForm_C);
    if (text.size() > SelectedCharactersKept) {
        text.truncate(SelectedCharactersKept);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    text = trimmedToLetters(text);
    bool hasLetter = false;
    for (const char32_t c : text.toUcs4())
        hasLetter = hasLetter || QChar::isLetter(c);
    if (!hasLetter)
        return std::nullopt;
    return TextWord{text, withoutElision(text)};
}

} // namespace velkaron
