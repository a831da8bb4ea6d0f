#pragma once

#include <QDialog>

namespace kestrel::ui {

class ClassroomActions;

// A small window listing every key of the classroom controls with what it
// does. It does not block the window: the run goes on behind it.
class KeysDialog : public QDialog {
    Q_OBJECT

public:
    KeysDialog(const ClassroomActions& actions, QWidget* parent);
};

}  // namespace kestrel::ui
