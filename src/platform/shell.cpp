// SPDX-License-Identifier: MIT
#include "platform/shell.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool isExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

std::optional<QUrl> documentUrl(const QString& documentOrAddress) {
    // A one-letter scheme would be a drive letter, not an address.
    const QUrl address(documentOrAddress, QUrl::StrictMode);
    if (address.isValid() && address.scheme().size() > 1) {
        return address;
    }
    if (documentOrAddress.isEmpty() || !QFileInfo::exists(documentOrAddress)) {
        return std::nullopt;
    }
    return QUrl::fromLocalFile(QFileInfo(documentOrAddress).absoluteFilePath());
}

std::optional<CommandLine> splitCommandLine(
    const QString& commandLine, const std::function<bool(const QString&)>& isExecutable) {
    const QString text = commandLine.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (text.startsWith(QLatin1Char('"'))) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), 1);
        if (close < 0) {
            return std::nullopt;
        }
        const QString program = text.mid(1, close - 1);
        if (!isExecutable(program)) {
            return std::nullopt;
        }
        return CommandLine{program, QProcess::splitCommand(text.mid(close + 1))};
    }
    qsizetype end = 0;
    while (end >= 0) {
        end = text.indexOf(QLatin1Char(' '), end + 1);
        const QString program = end < 0 ? text : text.left(end);
        if (isExecutable(program)) {
            const QString rest = end < 0 ? QString() : text.mid(end + 1);
            return CommandLine{program, QProcess::splitCommand(rest)};
        }
    }
    return std::nullopt;
}

}  // namespace platform
