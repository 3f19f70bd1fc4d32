#include "ui/window_flow.h"

#include "ui/loading_window.h"
#include "ui/main_window.h"
#include "ui/promotion_window.h"

namespace velkaron {

WindowFlow::WindowFlow(Module &module, Services services, QObject *parent)
    : QObject(parent), module_(module), services_(services)
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

void WindowFlow::start()
{
    loading_ = new FrmCharge(module_, services_);
    connect(loading_, &FrmCharge::dictionaryLoaded, this, &WindowFlow::onDictionaryLoaded);
    connect(loading_, &FrmCharge::loadFailed, this, [this] { emit finished(1); });
    loading_->show();
}

void WindowFlow::onDictionaryLoaded()
{
    main_ = new FrmSyno(module_, services_);
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
    promotion_ = new FrmPub(services_);
    connect(promotion_, &FrmPub::loaded, this, [this] {
        if (main_ && main_->isVisible())
            main_->close();
    });
    connect(promotion_, &FrmPub::ended, this, [this] { emit finished(0); });
    promotion_->load();
}

} // namespace velkaron
