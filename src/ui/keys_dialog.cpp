#include "ui/keys_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/classroom_actions.h"

namespace kestrel::ui {
namespace {

QString keysOf(const QAction& action) {
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts()) {
        keys << key.toString(QKeySequence::NativeText);
    }
    return keys.join(QObject::tr(" or "));
}

}  // namespace

KeysDialog::KeysDialog(const ClassroomActions& actions, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Keys"));
    const auto& listed = actions.listed();
    auto* table = new QTableWidget(static_cast<int>(listed.size()), 2, this);
    table->setHorizontalHeaderLabels({tr("Key"), tr("What it does")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < table->rowCount(); ++row) {
        const ClassroomActions::Listed& entry = listed[static_cast<std::size_t>(row)];
        table->setItem(row, 0, new QTableWidgetItem(keysOf(*entry.action)));
        table->setItem(row, 1, new QTableWidgetItem(entry.what));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    const int width = table->horizontalHeader()->length() + table->frameWidth() * 2;
    const int height =
        table->verticalHeader()->length() + table->horizontalHeader()->height() + table->frameWidth() * 2;
    table->setMinimumSize(width, height);
}

}  // namespace kestrel::ui
