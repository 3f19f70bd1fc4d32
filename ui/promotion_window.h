#pragma once
// FrmPub, the promotion window that takes the main window's place when the main window is
// quit or closed. It advertises Lettrovent, the publisher's word game (promotion_content.h).
//
// load() prepares it hidden: it places itself, asks for the main window to close (signal
// loaded), fills its two texts and starts its two one-shot timers. TimVisible shows it half
// a second later; TimConnect opens the presentation page in the browser a second later, once,
// even when the launch keeps a failure message open past the next tick. The two link buttons
// open the installer download and the home page. Fermer (CmdEND) and closing the window end
// the program (signal ended, once); both stop the timers first, so nothing is launched after.

#include "ui/services.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace velkaron {

class ChameleonButton;

class FrmPub final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmPub)

public:
    explicit FrmPub(Services services, QWidget *parent = nullptr);
    ~FrmPub() override;

    // Loads the window, hidden. Loading it again does nothing.
    void load();

signals:
    // Emitted inside load(), once placed: the main window should close now if still open.
    void loaded();
    // CmdEND or the window's close: the program should end.
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void describeForScreenReaders();
    void placeOnScreen();

    // Handlers, named for their event.
    void onTimVisibleTick();
    void onTimConnectTick();
    void onCmdEndClick();
    void end();

    Services services_;

    QLabel *Img1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Lbl1 = nullptr;
    QLabel *Lbl2 = nullptr;
    QLabel *Img2 = nullptr;
    QLabel *Label2 = nullptr;
    ChameleonButton *CmdTelecharge = nullptr;
    ChameleonButton *chameleonButton1 = nullptr;
    ChameleonButton *CmdEND = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *LblUrl = nullptr;
    QTimer *TimVisible = nullptr;
    QTimer *TimConnect = nullptr;

    bool loaded_ = false;
    bool ended_ = false;
};

} // namespace velkaron
