#include "ui/keys_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/host/actions.h"
#include "ui/classroom_actions.h"
#include "ui/core_texts.h"
#include "ui/what_you_see_page.h"

namespace kestrel::ui {
namespace {

QString keysOf(const QAction& action) {
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts()) {
        keys << key.toString(QKeySequence::NativeText);
    }
    return keys.join(QObject::tr(" or "));
}

// The table of keys, as tall and wide as its rows.
QTableWidget* keysTable(const ClassroomActions& actions, QWidget* parent) {
    const auto& listed = actions.listed();
    auto* table = new QTableWidget(static_cast<int>(listed.size()), 2, parent);
    table->setHorizontalHeaderLabels({KeysDialog::tr("Key"), KeysDialog::tr("What it does")});
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
    const int width = table->horizontalHeader()->length() + table->frameWidth() * 2;
    const int height =
        table->verticalHeader()->length() + table->horizontalHeader()->height() + table->frameWidth() * 2;
    table->setMinimumSize(width, height);
    return table;
}

}  // namespace

KeysDialog::KeysDialog(const ClassroomActions& actions, QWidget* parent)
    : QDialog(parent), pages_(new QTabWidget(this)) {
    pages_->addTab(keysTable(actions, pages_), tr("Keys"));
    pages_->addTab(new WhatYouSeePage(pages_),
                   QString::fromStdString(
                       translateCoreText("actions", host::actionDesign(host::Action::WhatYouSee).caption)));
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int page) { setWindowTitle(pages_->tabText(page)); });
    setWindowTitle(pages_->tabText(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

void KeysDialog::turnTo(HelpPage page) {
    pages_->setCurrentIndex(page == HelpPage::Keys ? 0 : 1);
    show();
    raise();
}

}  // namespace kestrel::ui
