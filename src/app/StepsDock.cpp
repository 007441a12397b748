#include "app/StepsDock.h"

#include "app/StepIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QScopedValueRollback>

namespace {
constexpr int IndexRole = Qt::UserRole;
}

StepsDock::StepsDock(QWidget* parent)
    : QDockWidget(tr("Stappen"), parent), list_(new QListWidget(this)), remove_(new QAction(tr("Verwijder stap"), list_))
{
    setObjectName("StappenDock");
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    list_->setObjectName("Stappen");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setIconSize(QSize(16, 16));
    list_->setUniformItemSizes(true);
    list_->setMinimumWidth(120);
    setWidget(list_);

    remove_->setObjectName("VerwijderStap");
    remove_->setShortcut(QKeySequence(Qt::Key_Delete));
    remove_->setShortcutContext(Qt::WidgetShortcut);
    remove_->setEnabled(false);
    list_->addAction(remove_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const int index = chosenIndex();
        remove_->setEnabled(index >= 0);
        if (!filling_ && index >= 0)
            Q_EMIT stepChosen(index, shown_[std::size_t(index)].kind);
    });
    connect(remove_, &QAction::triggered, this, [this] {
        const int index = chosenIndex();
        if (index < 0)
            return;
        list_->clearSelection();
        Q_EMIT removeRequested(index);
    });
}

void StepsDock::showSteps(const std::vector<CardStep>& steps)
{
    if (steps == shown_)
        return;
    const QScopedValueRollback<bool> filling(filling_, true);
    const int before = list_->count();
    while (list_->count() > int(steps.size()))
        delete list_->takeItem(list_->count() - 1);
    for (std::size_t row = 0; row < steps.size(); ++row) {
        const CardStep& step = steps[row];
        QListWidgetItem* item = int(row) < list_->count() ? list_->item(int(row)) : new QListWidgetItem(list_);
        item->setText(step.name);
        item->setIcon(stepIcon(step.kind));
        item->setData(IndexRole, step.index);
        // An undone step is shown greyed and cannot be picked.
        item->setFlags(step.undone ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setToolTip(step.undone ? undoneTip() : QString());
        if (step.undone && item->isSelected())
            item->setSelected(false);
    }
    shown_ = steps;
    remove_->setEnabled(chosenIndex() >= 0);
    // A step just added is scrolled into view.
    if (list_->count() > before) {
        int last = list_->count() - 1;
        while (last > 0 && steps[std::size_t(last)].undone)
            --last;
        list_->scrollToItem(list_->item(last));
    }
}

void StepsDock::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closedByUser();
}

QString StepsDock::undoneTip()
{
    return tr("Ongedaan gemaakt: Opnieuw brengt deze stap terug");
}

void StepsDock::retranslate()
{
    remove_->setText(tr("Verwijder stap"));
    for (std::size_t row = 0; row < shown_.size(); ++row)
        list_->item(int(row))->setToolTip(shown_[row].undone ? undoneTip() : QString());
}

int StepsDock::chosenIndex() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !(selected.first()->flags() & Qt::ItemIsEnabled))
        return -1;
    return selected.first()->data(IndexRole).toInt();
}
