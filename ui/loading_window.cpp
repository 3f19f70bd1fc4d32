#include "ui/loading_window.h"

#include "core/loader.h"

namespace velkaron {

FrmCharge::FrmCharge(Module &module, Services services, QWidget *parent)
    : QWidget(parent), module_(module), services_(services)
{
    setObjectName(QStringLiteral("FrmCharge"));
    setWindowTitle(QStringLiteral("Chargement"));
    setFixedSize(318, 158);
    setAccessibleName(QStringLiteral("Chargement du dictionnaire"));

    TimSyno = new QTimer(this);
    TimSyno->setObjectName(QStringLiteral("TimSyno"));
    TimSyno->setSingleShot(true);
    TimSyno->setInterval(100);
    connect(TimSyno, &QTimer::timeout, this, &FrmCharge::onTimSynoTick);
}

void FrmCharge::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The timer runs from the first show only: the window may be shown again by the
    // window system (after a minimise) and must not load twice.
    if (!armed_) {
        armed_ = true;
        TimSyno->start();
    }
}

void FrmCharge::onTimSynoTick()
{
    TimSyno->stop();
    auto loaded = DictionaryLoader::load(services_.resources);
    if (auto *failure = std::get_if<LoadFailure>(&loaded)) {
        services_.messages.critical(this, module_.ProductTitle,
                                    QStringLiteral("Le dictionnaire n'a pas pu être chargé.") + module_.LineBreak
                                        + failure->message());
        emit loadFailed();
        return;
    }
    module_.store = std::move(std::get<DictionaryStore>(loaded));
    emit dictionaryLoaded();
}

} // namespace velkaron
