// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include "engine/file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The file is plain INI: "[section]" lines and "key=value" lines. Section and key names are
// percent-encoded when they hold anything but plain characters; values keep every character
// except backslash, line feed and carriage return, which are escaped. Each read parses the
// file anew, so what a read returns is always what is on disk.
using Entries = std::vector<std::pair<QString, QString>>;
using Sections = std::vector<std::pair<QString, Entries>>;

QString encodeName(const QString& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(name, " !$&'()*+,-.:@_~"));
}

QString decodeName(const QString& text) {
    return QUrl::fromPercentEncoding(text.toLatin1());
}

QString escapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\')) {
            out += QStringLiteral("\\\\");
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString unescapeValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        out += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
               : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                          : next;
    }
    return out;
}

Sections readFile(const QString& path) {
    Sections sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return sections;
    }
    Entries* current = nullptr;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            sections.emplace_back(decodeName(line.mid(1, line.size() - 2)), Entries{});
            current = &sections.back().second;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current == nullptr || equals <= 0) {
            continue;
        }
        current->emplace_back(decodeName(line.left(equals)), unescapeValue(line.mid(equals + 1)));
    }
    return sections;
}

bool writeFile(const QString& path, const Sections& sections) {
    QString text;
    for (const auto& [section, entries] : sections) {
        text += QLatin1Char('[') + encodeName(section) + QStringLiteral("]\n");
        for (const auto& [key, value] : entries) {
            text += encodeName(key) + QLatin1Char('=') + escapeValue(value) + QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
    }
    // A settings file that is a link (kept with the user's other dotfiles) is written where
    // it points, so the link stays; the write itself goes beside that file and is renamed over
    // it, so a failed write leaves the old one.
    QFileInfo target(path);
    for (int level = 0; level < 10 && target.isSymLink(); ++level) {
        target.setFile(target.symLinkTarget());
    }
    const QByteArray bytes = text.toUtf8();
    return engine::writeFile(QFile::encodeName(target.filePath()).toStdString(),
                             {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              std::size_t(bytes.size())})
        .written();
}

}  // namespace

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) {}

QString SettingsStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvel");
}

QString SettingsStore::fileFor(const QString& app) const {
    return folder_ + QLatin1Char('/') + encodeName(app) + QStringLiteral(".ini");
}

QString SettingsStore::get(const QString& app, const QString& section, const QString& key,
                           const QString& fallback) const {
    for (const auto& [name, entries] : readFile(fileFor(app))) {
        if (name != section) {
            continue;
        }
        for (const auto& [entryKey, value] : entries) {
            if (entryKey == key) {
                return value;
            }
        }
    }
    return fallback;
}

void SettingsStore::set(const QString& app, const QString& section, const QString& key,
                        const QString& value) {
    Sections sections = readFile(fileFor(app));
    auto found = std::find_if(sections.begin(), sections.end(),
                              [&](const auto& s) { return s.first == section; });
    if (found == sections.end()) {
        sections.emplace_back(section, Entries{});
        found = sections.end() - 1;
    }
    Entries& entries = found->second;
    auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
    if (entry == entries.end()) {
        entries.emplace_back(key, value);
    } else if (entry->second == value) {
        return;  // already on disk: the file is left as it is
    } else {
        entry->second = value;
    }
    // A store that cannot be written is not reported: the value is simply not kept.
    QDir().mkpath(folder_);
    writeFile(fileFor(app), sections);
}

}  // namespace platform
