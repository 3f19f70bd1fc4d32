#include "ui/copy_menu.h"

#include "core/copy_text.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

namespace velkaron {

CopyMenu::CopyMenu(const Module &module, QListWidget *results, QComboBox *entry, Clipboard &clipboard,
                   MessageBoxes &messages, QWidget *window)
    : QObject(window)
    , module_(module)
    , results_(results)
    , resultsViewport_(results->viewport())
    , entry_(entry)
    , clipboard_(clipboard)
    , messages_(messages)
    , window_(window)
{
    MnuCopier = new QMenu(QStringLiteral("Copier"), window);
    MnuCopier->setObjectName(QStringLiteral("MnuCopier"));
    MnuCop1 = MnuCopier->addAction(QStringLiteral("Copier le mot sélectionné"), this, &CopyMenu::onMnuCop1Click);
    MnuCop1->setObjectName(QStringLiteral("MnuCop1"));
    MnuCop2 = MnuCopier->addAction(QStringLiteral("Copier la liste des synonymes"), this, &CopyMenu::onMnuCop2Click);
    MnuCop2->setObjectName(QStringLiteral("MnuCop2"));

    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(results_, &QListWidget::customContextMenuRequested, this, &CopyMenu::onContextMenuRequested);
    resultsViewport_->installEventFilter(this);
}

bool CopyMenu::eventFilter(QObject *watched, QEvent *event)
{
    // The right button opens the menu as it goes down, and must not move the selection,
    // which the list would do with any button.
    if (watched == resultsViewport_
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            MnuCopier->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CopyMenu::onContextMenuRequested(const QPoint &position)
{
    // The window system follows a right-button press with a context-menu request: the
    // menu is open already. Requests of their own come from the keyboard's menu key.
    if (MnuCopier->isVisible())
        return;
    MnuCopier->popup(results_->viewport()->mapToGlobal(position));
}

void CopyMenu::onMnuCop1Click()
{
    const QList<QListWidgetItem *> selected = results_->selectedItems();
    if (selected.isEmpty()) {
        // Copying nothing would wipe what the user had on the clipboard.
        messages_.information(window_, module_.ProductTitle, QStringLiteral("Aucun mot n'est sélectionné."));
        return;
    }
    confirm(clipboard_.setText(selected.front()->text()), QStringLiteral("Le mot a été copié."));
}

void CopyMenu::onMnuCop2Click()
{
    QStringList lines;
    lines.reserve(results_->count());
    for (int i = 0; i < results_->count(); ++i)
        lines.append(results_->item(i)->text());
    const QString text = synonymListCopy(entry_->currentText(), lines, module_.LineBreak);
    confirm(clipboard_.setText(text), QStringLiteral("La liste a été copiée."));
}

void CopyMenu::confirm(bool copied, const QString &message)
{
    if (copied)
        messages_.information(window_, module_.ProductTitle, message);
    else
        messages_.exclamation(window_, module_.ProductTitle,
                              QStringLiteral("Le presse-papiers n'a pas pu être modifié : rien n'a été copié."));
}

} // namespace velkaron
