#include "ui/run_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace kestrel::ui {
namespace {

struct Choice {
    const char* title;
    const char* filter;
    const char* suffix;  // added to a name typed without one
    bool save;
};

Choice choiceFor(FileUse use) {
    switch (use) {
        case FileUse::SavePicture:
            return {QT_TRANSLATE_NOOP("RunFiles", "Save picture as PNG"),
                    QT_TRANSLATE_NOOP("RunFiles", "PNG pictures (*.png)"), "png", true};
        case FileUse::SaveChart:
            return {QT_TRANSLATE_NOOP("RunFiles", "Save the I–V chart"),
                    QT_TRANSLATE_NOOP("RunFiles", "PNG pictures (*.png);;SVG pictures (*.svg)"), "png", true};
        case FileUse::SaveScript:
            return {QT_TRANSLATE_NOOP("RunFiles", "Save run as script"),
                    QT_TRANSLATE_NOOP("RunFiles", "Kestrel scripts (*.replay);;Text files (*.txt)"), "replay",
                    true};
        case FileUse::OpenScript:
            return {QT_TRANSLATE_NOOP("RunFiles", "Open saved script"),
                    QT_TRANSLATE_NOOP("RunFiles", "Kestrel scripts (*.replay *.txt);;All files (*)"), "",
                    false};
        case FileUse::ExportReadouts:
            return {QT_TRANSLATE_NOOP("RunFiles", "Export readouts as CSV"),
                    QT_TRANSLATE_NOOP("RunFiles", "CSV files (*.csv)"), "csv", true};
    }
    return {"", "", "", false};
}

}  // namespace

QString askForFile(QWidget* parent, FileUse use) {
    const Choice choice = choiceFor(use);
    const QString title = QCoreApplication::translate("RunFiles", choice.title);
    const QString filter = QCoreApplication::translate("RunFiles", choice.filter);
    if (!choice.save) {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(choice.suffix));
    // A name typed without a suffix takes the chosen type's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (suffix.hasMatch()) {
            dialog.setDefaultSuffix(suffix.captured(1));
        }
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> cannotWrite(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir()) {
        return QCoreApplication::translate("RunFiles", "it is a folder");
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        return QCoreApplication::translate("RunFiles", "its folder does not exist or cannot be written");
    }
    return std::nullopt;
}

// Read in pieces, so that a file without end (a device) stops at the limit.
std::optional<QString> readWholeFile(const QString& path, QByteArray& bytes, qint64 most) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    bytes.clear();
    constexpr qint64 kPiece = 1 << 20;
    while (bytes.size() <= most) {
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError) {
            return file.errorString();
        }
        if (piece.isEmpty()) {
            return std::nullopt;
        }
        bytes += piece;
    }
    bytes.clear();
    return QCoreApplication::translate("RunFiles", "it is larger than %1 MB").arg(most >> 20);
}

}  // namespace kestrel::ui
