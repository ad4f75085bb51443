// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Per-user text values addressed by application, section and key: one INI file per
// application in `folder`. Every write goes to disk at once; failures are swallowed, so a
// read falls back to its default and a write is simply not done.
class SettingsStore {
  public:
    explicit SettingsStore(QString folder);

    // The user's own store: <config folder>/corvel.
    static QString defaultFolder();

    // `fallback` is returned only when the key does not exist; a stored empty text reads empty.
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& fallback) const;
    void set(const QString& app, const QString& section, const QString& key, const QString& value);

    QString fileFor(const QString& app) const;
    const QString& folder() const { return folder_; }

  private:
    QString folder_;
};

}  // namespace platform
