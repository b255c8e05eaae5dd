#include "ui/sequence_list.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace vireo {

void showRows(QTreeWidget* list, const Sequence& rows) {
    const QSignalBlocker block(list);
    // Rows are updated in place so a long table does not flicker or lose its scroll position.
    while (list->topLevelItemCount() > rows.size())
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    while (list->topLevelItemCount() < rows.size()) list->addTopLevelItem(new QTreeWidgetItem);
    for (int i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (const QString time = rows[i].time.text(); item->text(0) != time) item->setText(0, time);
        if (item->text(1) != rows[i].loop) item->setText(1, rows[i].loop);
    }
}

Selection selectionOf(const QTreeWidget* list) {
    Selection s;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected()) s.rows << i;
    if (QTreeWidgetItem* current = list->currentItem())
        s.current = list->indexOfTopLevelItem(current);
    return s;
}

void selectRows(QTreeWidget* list, const Selection& selection) {
    const QSignalBlocker block(list);
    list->clearSelection();
    if (selection.current >= 0 && selection.current < list->topLevelItemCount())
        list->setCurrentItem(list->topLevelItem(selection.current), 0,
                             QItemSelectionModel::NoUpdate);
    for (int row : selection.rows)
        if (row >= 0 && row < list->topLevelItemCount()) list->topLevelItem(row)->setSelected(true);
}

void setRowSelected(QTreeWidget* list, int row, bool selected) {
    if (row < 0 || row >= list->topLevelItemCount()) return;
    const QSignalBlocker block(list);
    list->topLevelItem(row)->setSelected(selected);
}

}  // namespace vireo
