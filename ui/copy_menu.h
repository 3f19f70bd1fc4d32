#pragma once
// MnuCopier, the context menu of the result list: copy the selected synonym, or the whole
// list under a heading that names the entry box's word. The right mouse button (or the
// keyboard's menu key) opens it at the pointer without changing the list's selection;
// each command writes the clipboard, then confirms.

#include "core/module.h"
#include "platform/clipboard.h"
#include "platform/message_boxes.h"

#include <QObject>

class QComboBox;
class QListWidget;
class QMenu;
class QAction;

namespace velkaron {

class CopyMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CopyMenu)

public:
    CopyMenu(const Module &module, QListWidget *results, QComboBox *entry, Clipboard &clipboard,
             MessageBoxes &messages, QWidget *window);

    QMenu *menu() const { return MnuCopier; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onContextMenuRequested(const QPoint &position);
    void onMnuCop1Click();
    void onMnuCop2Click();
    void confirm(bool copied, const QString &message);

    const Module &module_;
    QListWidget *results_;
    // Kept apart: the filter meets the viewport's last events while the list is being
    // destroyed, when the list can no longer be asked for it.
    QWidget *resultsViewport_;
    QComboBox *entry_;
    Clipboard &clipboard_;
    MessageBoxes &messages_;
    QWidget *window_;
    QMenu *MnuCopier = nullptr;
    QAction *MnuCop1 = nullptr;
    QAction *MnuCop2 = nullptr;
};

} // namespace velkaron
