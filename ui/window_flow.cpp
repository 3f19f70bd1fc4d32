#include "ui/window_flow.h"

#include "ui/loading_window.h"
#include "ui/main_window.h"

namespace velkaron {

WindowFlow::WindowFlow(Module &module, Services services, QObject *parent)
    : QObject(parent), module_(module), services_(services)
{
}

WindowFlow::~WindowFlow()
{
    delete loading_.data();
    delete main_.data();
}

FrmCharge *WindowFlow::loadingWindow() const { return loading_; }

FrmSyno *WindowFlow::mainWindow() const { return main_; }

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

} // namespace velkaron

namespace velkaron {

void WindowFlow::onPromotionWindowRequested()
{
    // The promotion window is not there yet: the main window closes and the program ends.
    if (main_)
        main_->close();
    emit finished(0);
}

} // namespace velkaron
