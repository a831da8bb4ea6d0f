#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The files a run is saved to and opened from.
namespace kestrel::ui {

enum class FileUse { SavePicture, SaveScript, OpenScript, ExportReadouts };

// Asks the user for a file to save to or open; an empty name when they
// chose none. The window takes another chooser in tests.
using FileChooser = std::function<QString(QWidget* parent, FileUse use)>;
QString askForFile(QWidget* parent, FileUse use);

// Writes the whole file or leaves what was there; the system's reason when
// that failed.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);
// The file's bytes, or the system's reason it cannot be read.
std::optional<QString> readWholeFile(const QString& path, QByteArray& bytes);

}  // namespace kestrel::ui
