#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The files a run is saved to and opened from.
namespace kestrel::ui {

// SaveChart offers PNG and SVG, the type chosen by the name's suffix.
enum class FileUse { SavePicture, SaveChart, SaveScript, OpenScript, ExportReadouts };

// Asks the user for a file to save to or open; an empty name when they
// chose none. The window takes another chooser in tests.
using FileChooser = std::function<QString(QWidget* parent, FileUse use)>;
QString askForFile(QWidget* parent, FileUse use);

// Writes the whole file or leaves what was there; the system's reason when
// that failed.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);
// Why a file could not be written at `path`, as far as can be told before
// writing it.
std::optional<QString> cannotWrite(const QString& path);
// The file's bytes, or the reason it cannot be read: the system's, or that
// it holds more than `most` bytes.
std::optional<QString> readWholeFile(const QString& path, QByteArray& bytes, qint64 most);

}  // namespace kestrel::ui
