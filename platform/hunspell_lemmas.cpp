#include "platform/hunspell_lemmas.h"

#include <QFileInfo>
#include <QStandardPaths>

#ifdef VELKARON_HAVE_HUNSPELL
#include <hunspell/hunspell.h>
#endif

namespace velkaron {
namespace {

QString sharedFile(const QString &name)
{
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("hunspell/") + name);
}

} // namespace

#ifdef VELKARON_HAVE_HUNSPELL

struct HunspellLemmas::Api
{
    decltype(&Hunspell_create) create = nullptr;
    decltype(&Hunspell_destroy) destroy = nullptr;
    decltype(&Hunspell_stem) stem = nullptr;
    decltype(&Hunspell_free_list) freeList = nullptr;
    decltype(&Hunspell_get_dic_encoding) encoding = nullptr;
};

#else

struct HunspellLemmas::Api
{
};

#endif

HunspellLemmas::HunspellLemmas(const QString &affixFile, const QString &dictionaryFile)
    : affixFile_(affixFile), dictionaryFile_(dictionaryFile)
{
}

#ifdef VELKARON_HAVE_HUNSPELL

HunspellLemmas::~HunspellLemmas()
{
    if (handle_)
        api_->destroy(static_cast<Hunhandle *>(handle_));
    delete api_;
    // The library stays mapped: unloading it at exit gains nothing.
}

bool HunspellLemmas::load()
{
    if (affixFile_.isEmpty()) {
        for (const QString &name : {QStringLiteral("fr"), QStringLiteral("fr_FR")}) {
            affixFile_ = sharedFile(name + QStringLiteral(".aff"));
            dictionaryFile_ = sharedFile(name + QStringLiteral(".dic"));
            if (!affixFile_.isEmpty() && !dictionaryFile_.isEmpty())
                break;
        }
    }
    // Hunspell reads what it can and says nothing of missing files: check them first.
    if (!QFileInfo::exists(affixFile_) || !QFileInfo::exists(dictionaryFile_))
        return false;

    // The Debian name first (libhunspell-1.7.so.0), then the usual ones elsewhere.
    const struct { const char *name; int version; } candidates[] = {
        {"hunspell-1.7", 0}, {"hunspell-1.7", -1}, {"hunspell", -1}, {"libhunspell", -1}, {"hunspell-1.7-0", -1},
    };
    for (const auto &candidate : candidates) {
        library_.setFileNameAndVersion(QString::fromLatin1(candidate.name), candidate.version);
        if (library_.load())
            break;
    }
    if (!library_.isLoaded())
        return false;
    auto *api = new Api;
    api->create = reinterpret_cast<decltype(api->create)>(library_.resolve("Hunspell_create"));
    api->destroy = reinterpret_cast<decltype(api->destroy)>(library_.resolve("Hunspell_destroy"));
    api->stem = reinterpret_cast<decltype(api->stem)>(library_.resolve("Hunspell_stem"));
    api->freeList = reinterpret_cast<decltype(api->freeList)>(library_.resolve("Hunspell_free_list"));
    api->encoding = reinterpret_cast<decltype(api->encoding)>(library_.resolve("Hunspell_get_dic_encoding"));
    api_ = api;
    if (!api->create || !api->destroy || !api->stem || !api->freeList || !api->encoding)
        return false;

    Hunhandle *handle = api->create(QFile::encodeName(affixFile_).constData(), QFile::encodeName(dictionaryFile_).constData());
    if (!handle)
        return false;
    // The French dictionaries are UTF-8; one in another encoding would need a converter
    // that QtCore alone does not offer.
    if (QByteArray(api->encoding(handle)).toUpper() != "UTF-8") {
        api->destroy(handle);
        return false;
    }
    handle_ = handle;
    return true;
}

QStringList HunspellLemmas::lemmas(const QString &word)
{
    if (!tried_) {
        tried_ = true;
        load();
    }
    if (!handle_)
        return {};
    char **stems = nullptr;
    const int count = api_->stem(static_cast<Hunhandle *>(handle_), &stems, word.toUtf8().constData());
    QStringList found;
    for (int i = 0; i < count; ++i) {
        const QString lemma = QString::fromUtf8(stems[i]);
        if (!lemma.isEmpty() && !found.contains(lemma))
            found.append(lemma);
    }
    if (count > 0)
        api_->freeList(static_cast<Hunhandle *>(handle_), &stems, count);
    return found;
}

#else

HunspellLemmas::~HunspellLemmas() = default;

bool HunspellLemmas::load()
{
    return false;
}

QStringList HunspellLemmas::lemmas(const QString &)
{
    tried_ = true;
    return {};
}

#endif

} // namespace velkaron
