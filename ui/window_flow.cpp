#include "ui/window_flow.h"

#include "core/as_written.h"
#include "ui/loading_window.h"
#include "ui/main_window.h"
#include "ui/promotion_window.h"

namespace velkaron {

WindowFlow::WindowFlow(Module &module, Services services, LemmaSource *lemmas, QObject *parent)
    : QObject(parent), module_(module), services_(services), lemmas_(lemmas)
{
}

WindowFlow::~WindowFlow()
{
    delete loading_.data();
    delete main_.data();
    delete promotion_.data();
}

FrmCharge *WindowFlow::loadingWindow() const { return loading_; }

FrmSyno *WindowFlow::mainWindow() const { return main_; }

FrmPub *WindowFlow::promotionWindow() const { return promotion_; }

void WindowFlow::start(const std::optional<TextWord> &word)
{
    startWord_ = word;
    loading_ = new FrmCharge(module_, services_);
    connect(loading_, &FrmCharge::dictionaryLoaded, this, &WindowFlow::onDictionaryLoaded);
    connect(loading_, &FrmCharge::loadFailed, this, [this] { emit finished(1); });
    loading_->show();
}

void WindowFlow::onDictionaryLoaded()
{
    main_ = new FrmSyno(module_, services_);
    if (startWord_)
        main_->lookUp(spellingOf(*startWord_));
    connect(main_, &FrmSyno::loaded, this, &WindowFlow::onMainWindowLoaded);
    connect(main_, &FrmSyno::promotionWindowRequested, this, &WindowFlow::onPromotionWindowRequested);
    main_->show();
}

void WindowFlow::onMainWindowLoaded()
{
    // We are still inside the loading window's timer tick: hide it now, delete it once
    // the tick has returned.
    if (loading_) {
        loading_->hide();
        loading_->deleteLater();
    }
}

// Runs inside the main window's Quit click or close. The main window stays alive, hidden:
// nothing is released before the program ends.
void WindowFlow::onPromotionWindowRequested()
{
    if (promotion_)
        return;
    emit mainWindowDone();
    promotion_ = new FrmPub(services_);
    connect(promotion_, &FrmPub::loaded, this, [this] {
        if (main_ && main_->isVisible())
            main_->close();
    });
    connect(promotion_, &FrmPub::ended, this, [this] { emit finished(0); });
    promotion_->load();
}

bool WindowFlow::handOff(const HandOff &request)
{
    if (promotion_)
        return false;
    if (!main_) {
        // Still loading: the main window opens with the latest word handed over.
        if (request.word)
            startWord_ = request.word;
        return true;
    }
    bringMainWindowToFront();
    if (request.word)
        main_->lookUp(spellingOf(*request.word));
    return true;
}

QString WindowFlow::spellingOf(const TextWord &word) const
{
    return findAsWritten(module_.store, lemmas_, word);
}

void WindowFlow::bringMainWindowToFront()
{
    main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    main_->show();
    main_->raise();
    main_->activateWindow();
}

} // namespace velkaron
