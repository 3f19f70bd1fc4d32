#pragma once
// The life of the program's windows: the loading window first; once the dictionary is
// in, the main window, whose load closes the loading window; when the main window is
// quit or closed, the promotion window, whose load closes the main window and whose end
// ends the program. The flow owns the windows and reports, through finished(), the exit
// status the program ends with.

#include "core/module.h"
#include "ui/services.h"

#include <QObject>
#include <QPointer>

namespace velkaron {

class FrmCharge;
class FrmPub;
class FrmSyno;

class WindowFlow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowFlow)

public:
    WindowFlow(Module &module, Services services, QObject *parent = nullptr);
    ~WindowFlow() override;

    // Shows the loading window.
    void start();

    FrmCharge *loadingWindow() const;
    FrmSyno *mainWindow() const;
    FrmPub *promotionWindow() const;

signals:
    void finished(int exitStatus);

private:
    void onDictionaryLoaded();
    void onMainWindowLoaded();
    void onPromotionWindowRequested();

    Module &module_;
    Services services_;
    QPointer<FrmCharge> loading_;
    QPointer<FrmSyno> main_;
    QPointer<FrmPub> promotion_;
};

} // namespace velkaron
