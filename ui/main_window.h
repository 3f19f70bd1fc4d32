#pragma once
// FrmSyno, the main window.

#include "core/module.h"
#include "ui/services.h"

#include <QWidget>

namespace velkaron {

class FrmSyno final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmSyno)

public:
    FrmSyno(Module &module, Services services, QWidget *parent = nullptr);

signals:
    // The window has been placed and is about to be shown for the first time.
    void loaded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Module &module_;
    Services services_;
    bool loaded_ = false;
};

} // namespace velkaron
