// SPDX-License-Identifier: MIT
#include "ui/list_click.h"

#include "ui/controls.h"

#include <QListWidget>

#include <memory>

namespace ui {

void onListClick(QListWidget* list, std::function<void()> click) {
    auto rowAtPress = std::make_shared<int>(-1);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [click](int row) {
        if (row >= 0) {
            click();
        }
    });
    onMousePress(list->viewport(), [list, rowAtPress] { *rowAtPress = list->currentRow(); });
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [list, rowAtPress, click](QListWidgetItem* item) {
                         if (list->row(item) == *rowAtPress) {
                             click();
                         }
                     });
}

}  // namespace ui
