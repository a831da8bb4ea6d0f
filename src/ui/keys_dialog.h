#pragma once

#include <QDialog>

class QTabWidget;

namespace kestrel::ui {

class ClassroomActions;

// The pages of the help window.
enum class HelpPage { Keys, WhatYouSee };

// A small help window: every key of the classroom controls with what it
// does, and the page that explains the picture, each on its own tab. It
// does not block the window: the run goes on behind it.
class KeysDialog : public QDialog {
    Q_OBJECT

public:
    KeysDialog(const ClassroomActions& actions, QWidget* parent);

    // Shows the window at `page`.
    void turnTo(HelpPage page);

private:
    QTabWidget* pages_;
};

}  // namespace kestrel::ui
