#pragma once
// FrmCharge, the first window: an empty "Chargement" window whose one-shot timer TimSyno,
// 100 ms after the window is shown, loads the whole dictionary into the Module in one
// piece and then reports that the store is full (the flow opens the main window) or that
// the load failed (after telling the user why).

#include "core/module.h"
#include "ui/services.h"

#include <QTimer>
#include <QWidget>

namespace velkaron {

class FrmCharge final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmCharge)

public:
    FrmCharge(Module &module, Services services, QWidget *parent = nullptr);

signals:
    void dictionaryLoaded();
    void loadFailed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onTimSynoTick();

    Module &module_;
    Services services_;
    QTimer *TimSyno = nullptr;
    bool armed_ = false;
};

} // namespace velkaron
