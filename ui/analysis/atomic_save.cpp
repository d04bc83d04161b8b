// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/atomic_save.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace coppia {

namespace {

QString ReasonOf(const QSaveFile& file, const QString& path) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("è una cartella");
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("cartella inesistente");
    switch (file.error()) {
        case QFileDevice::PermissionsError:
            return QStringLiteral("permesso negato");
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return QStringLiteral("errore di scrittura (disco pieno?)");
        case QFileDevice::OpenError:
            return QStringLiteral("il file non si può aprire");
        default:
            return file.errorString();
    }
}

}  // namespace

QString SaveAtomically(const QString& path, const std::function<void(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ReasonOf(file, path);
    write(file);
    // QSaveFile only buffers: a full disk shows at the flush, and commit would rename the
    // cut file over the old one regardless.
    if (!file.flush()) {
        const QString reason = ReasonOf(file, path);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return ReasonOf(file, path);
    return {};
}

}  // namespace coppia
