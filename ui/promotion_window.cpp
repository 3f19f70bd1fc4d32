#include "ui/promotion_window.h"

#include "ui/chameleon_button.h"
#include "ui/pictures.h"
#include "ui/promotion_content.h"
#include "ui/window_style.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace velkaron {

FrmPub::FrmPub(Services services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , services_(services)
{
    setObjectName(QStringLiteral("FrmPub"));
    // No caption text. Qt's platform layer puts the application's name in the title bar
    // in place of an empty title; a single space leaves the bar blank.
    setWindowTitle(QStringLiteral(" "));
    setWindowIcon(windowIcon());
    setFixedSize(740, 516);

    createControls();

    TimVisible = new QTimer(this);
    TimVisible->setObjectName(QStringLiteral("TimVisible"));
    TimVisible->setSingleShot(true);
    TimVisible->setInterval(500);
    connect(TimVisible, &QTimer::timeout, this, &FrmPub::onTimVisibleTick);

    TimConnect = new QTimer(this);
    TimConnect->setObjectName(QStringLiteral("TimConnect"));
    TimConnect->setSingleShot(true);
    TimConnect->setInterval(1000);
    connect(TimConnect, &QTimer::timeout, this, &FrmPub::onTimConnectTick);
}

FrmPub::~FrmPub() = default;

void FrmPub::createControls()
{
    auto label = [this](const char *name, const QRect &geometry, const QFont &font) {
        auto *lbl = new QLabel(this);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setGeometry(geometry);
        lbl->setFont(font);
        lbl->setTextFormat(Qt::PlainText);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lbl->setWordWrap(true);
        lbl->setFocusPolicy(Qt::NoFocus);
        setColours(lbl, Qt::black, Qt::white);
        return lbl;
    };
    auto picture = [this](const char *name, const QRect &geometry, const QString &file) {
        auto *img = new QLabel(this);
        img->setObjectName(QString::fromLatin1(name));
        img->setGeometry(geometry);
        img->setPixmap(QPixmap(file));
        img->setFocusPolicy(Qt::NoFocus);
        return img;
    };
    auto button = [this](const char *name, const QRect &geometry, const QString &caption) {
        auto *cmd = new ChameleonButton(caption, this);
        cmd->setObjectName(QString::fromLatin1(name));
        cmd->setGeometry(geometry);
        cmd->setFont(verdana());
        return cmd;
    };

    Img1 = picture("Img1", twips(1920, 60, 7365, 1515), QStringLiteral(":/pictures/lettrovent-banner.png"));
    Label1 = label("Label1", twips(1860, 1500, 7395, 375), verdana(15.75));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setText(promotion::GameTitle);
    Lbl1 = label("Lbl1", twips(300, 2100, 5865, 495), verdana(9.75, true));
    Lbl2 = label("Lbl2", twips(300, 2610, 5865, 4875), verdana());
    Img2 = picture("Img2", twips(6240, 2100, 4605, 3195), QStringLiteral(":/pictures/lettrovent-screenshot.png"));
    Label2 = label("Label2", twips(6360, 5580, 4485, 555), verdana(9.75, true));
    Label2->setText(promotion::FreeTrial);
    Label3 = label("Label3", twips(300, 7230, 5865, 315), verdana(9.75, true));
    Label3->setText(promotion::NoInternetNeeded);
    LblUrl = label("LblUrl", twips(60, 420, 3795, 315), verdana());
    LblUrl->setText(promotion::PresentationAddress);
    LblUrl->hide();

    CmdEND = button("CmdEND", twips(7920, 7080, 1395, 435), QStringLiteral("Fermer"));
    CmdEND->setToolTip(QStringLiteral("Quitter"));
    CmdTelecharge =
        button("CmdTelecharge", twips(6540, 6120, 4095, 375), QStringLiteral("Télécharger le programme d'installation"));
    CmdTelecharge->setLinkLook(true);
    chameleonButton1 =
        button("chameleonButton1", twips(6540, 6540, 4095, 375), QStringLiteral("Site internet de présentation du jeu"));
    chameleonButton1->setLinkLook(true);

    setTabOrder(CmdEND, CmdTelecharge);
    setTabOrder(CmdTelecharge, chameleonButton1);
    describeForScreenReaders();

    connect(CmdEND, &ChameleonButton::clicked, this, &FrmPub::onCmdEndClick);
    connect(CmdTelecharge, &ChameleonButton::clicked, this,
            [this] { services_.browser.open(promotion::InstallerAddress, this); });
    connect(chameleonButton1, &ChameleonButton::clicked, this,
            [this] { services_.browser.open(promotion::HomePageAddress, this); });
}

void FrmPub::describeForScreenReaders()
{
    // clang-format off
    setAccessibleTexts({
        {Img1, u"Bannière de Lettrovent", u"Le nom du jeu présenté."},
        {Img2, u"Image de Lettrovent", u"Une partie en cours."},
        {CmdEND, u"Fermer", u"Termine le programme."},
        {CmdTelecharge, u"Télécharger le programme d'installation", u"Ouvre l'adresse de téléchargement dans le navigateur."},
        {chameleonButton1, u"Site internet de présentation du jeu", u"Ouvre le site du jeu dans le navigateur."},
    });
    // clang-format on
}

void FrmPub::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    placeOnScreen();
    emit loaded();
    Lbl1->setText(promotion::Headline);
    Lbl2->setText(promotion::DescriptionLines.join(QStringLiteral("\r\n")));
    // Takes effect when the window first becomes active.
    CmdEND->setFocus();
    TimVisible->start();
    TimConnect->start();
}

// Centred horizontally, a third of the free height down. While the window has never been
// shown its frame is not known yet: its client size stands in for the outer size.
void FrmPub::placeOnScreen()
{
    const QRect screen = this->screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screen.x() + (screen.width() - outer.width()) / 2, screen.y() + (screen.height() - outer.height()) / 3);
}

void FrmPub::onTimVisibleTick()
{
    TimVisible->stop();
    show();
    activateWindow();
}

void FrmPub::onTimConnectTick()
{
    // Stopped before the launch: a failure message keeps an event loop running, and the
    // page must be opened once however long the user leaves the message open.
    TimConnect->stop();
    services_.browser.open(LblUrl->text(), this);
}

void FrmPub::onCmdEndClick()
{
    end();
}

void FrmPub::closeEvent(QCloseEvent *event)
{
    event->accept();
    end();
}

void FrmPub::end()
{
    if (ended_)
        return;
    ended_ = true;
    TimVisible->stop();
    TimConnect->stop();
    emit ended();
}

} // namespace velkaron
