#include "ui/main_window.h"

namespace velkaron {

FrmSyno::FrmSyno(Module &module, Services services, QWidget *parent)
    : QWidget(parent), module_(module), services_(services)
{
    setObjectName(QStringLiteral("FrmSyno"));
    setWindowTitle(QStringLiteral("Dictionnaire des synonymes"));
    setFixedSize(524, 352);
}

void FrmSyno::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        emit loaded();
    }
}

} // namespace velkaron
