#include "platform/hunspell_lemmas.h"

#include <QFileInfo>
#include <QStandardPaths>

#ifdef VELKARON_HAVE_HUNSPELL
#include <hunspell/hunspell.hxx>
#else
class Hunspell
{
};
#endif

namespace velkaron {
namespace {

QString sharedFile(const QString &name)
{
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("hunspell/") + name);
}

} // namespace

// "fr" (hunspell-fr-classical), else "fr_FR" (the other French variants).
HunspellLemmas::HunspellLemmas()
{
    for (const QString &name : {QStringLiteral("fr"), QStringLiteral("fr_FR")}) {
        affixFile_ = sharedFile(name + QStringLiteral(".aff"));
        dictionaryFile_ = sharedFile(name + QStringLiteral(".dic"));
        if (!affixFile_.isEmpty() && !dictionaryFile_.isEmpty())
            return;
    }
}

HunspellLemmas::HunspellLemmas(const QString &affixFile, const QString &dictionaryFile)
    : affixFile_(affixFile), dictionaryFile_(dictionaryFile)
{
}

HunspellLemmas::~HunspellLemmas() = default;

#ifdef VELKARON_HAVE_HUNSPELL

QStringList HunspellLemmas::lemmas(const QString &word)
{
    if (!tried_) {
        tried_ = true;
        // Hunspell reads what it can and says nothing of missing files: check them first.
        if (QFileInfo::exists(affixFile_) && QFileInfo::exists(dictionaryFile_)) {
            hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(affixFile_).constData(),
                                                   QFile::encodeName(dictionaryFile_).constData());
            // The French dictionaries are UTF-8; one in another encoding would need a
            // converter that QtCore alone does not offer.
            if (QByteArray(hunspell_->get_dict_encoding().c_str()).toUpper() != "UTF-8")
                hunspell_.reset();
        }
    }
    if (!hunspell_)
        return {};
    QStringList found;
    for (const std::string &stem : hunspell_->stem(word.toStdString())) {
        const QString lemma = QString::fromStdString(stem);
        if (!lemma.isEmpty() && !found.contains(lemma))
            found.append(lemma);
    }
    return found;
}

#else

QStringList HunspellLemmas::lemmas(const QString &)
{
    tried_ = true;
    return {};
}

#endif

} // namespace velkaron
