// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/last_inputs_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace coppia {

QString LastInputsPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Mervanti.ini");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QStringLiteral("/Mervanti.ini");
#endif
}

std::vector<std::string> LastInputsFile::ReadValues() {
    if (!QFileInfo(path_).isFile())
        return {};
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(kLastInputsReadLimit + 1);
    const bool complete = bytes.size() <= kLastInputsReadLimit;
    bytes.truncate(kLastInputsReadLimit);
    return DecodeLastInputs(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                            complete);
}

bool LastInputsFile::Write(const LastInputsTexts& texts) {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const std::string bytes = EncodeLastInputs(texts);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace coppia
