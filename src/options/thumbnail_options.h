// SPDX-License-Identifier: MIT
#pragma once

#include "platform/settings_store.h"

#include <QString>

#include <optional>

namespace options {

// Where the thumbnail options live in the settings store.
inline const QString kApp = QStringLiteral("CorvelXP");
inline const QString kSection = QStringLiteral("Settings");

// A stored option: its key and the value a read gives when the key does not exist.
struct Key {
    const char* name;
    const char* fallback;
};

// The options' keys and defaults, one table.
inline constexpr Key kWidth{"Width", "110"};
inline constexpr Key kHeight{"Height", "130"};
inline constexpr Key kType{"Type", "Jpg"};
inline constexpr Key kQuality{"Quality", "100"};
inline constexpr Key kName{"Name", "Prefix"};
inline constexpr Key kPrefix{"Prefix", "th_"};
inline constexpr Key kSuffix{"Suffix", "_th"};
inline constexpr Key kNumbers{"Numbers", "1"};
inline constexpr Key kLetters{"Letters", ""};
inline constexpr Key kLandscape{"Landscape", "0"};
inline constexpr Key kOverwrite{"Overwrite", "0"};
inline constexpr Key kFileLocation{"FileLocation", "0"};
inline constexpr Key kDestination{"Destination", ""};
inline constexpr Key kPath{"Path", ""};
inline constexpr Key kTips{"Tips", "1"};
inline constexpr Key kPHT{"PHT", "0"};

// The limits the options panel keeps.
inline constexpr int kMaxWidth = 280;
inline constexpr int kMaxHeight = 240;  // the height box's tooltip says 280; 240 is what sticks
inline constexpr int kMaxArrowSize = 280;
inline constexpr int kMinSize = 1;  // the down arrows stop here
inline constexpr int kMaxQuality = 100;
inline constexpr int kMaxChars = 3;

// Stored type and naming words, compared exactly, case included.
inline const QString kTypeJpg = QStringLiteral("Jpg");
inline const QString kTypeBmp = QStringLiteral("Bmp");
inline const QString kTypeGif = QStringLiteral("Gif");
inline const QString kNamePrefix = QStringLiteral("Prefix");
inline const QString kNameSuffix = QStringLiteral("Suffix");
inline const QString kNameNumber = QStringLiteral("Number");

// A switch as the store keeps it.
inline QString flagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The window's text read as a number by the program's one rule (engine/number_text.h): blanks
// around it allowed, a fraction rounded to even; no value when it is not a number or does not
// fit.
std::optional<qint16> toInt16(const QString& text);
std::optional<qint32> toInt32(const QString& text);

// The program's section of the store. Failures are never reported: a read falls back to
// the key's default, a failed write is not done.
class Settings {
  public:
    explicit Settings(platform::SettingsStore& store) : store_(store) {}

    QString read(const Key& key) const;
    // The stored text as a 16-bit number; no value when it is not one.
    std::optional<qint16> readInt16(const Key& key) const { return toInt16(read(key)); }

    // The stored numbers as their boxes take them, whatever the store holds: a number beyond
    // a box's range becomes its nearest limit (the quality becomes 100, as a typed 0 or 101
    // does), and text that is no number gives the key's default.
    QString readWidth() const;
    QString readHeight() const;
    QString readQuality() const;
    // The running number a Number run starts from: 0 or more, as long as it grows.
    QString readStartNumber() const;
    void write(const Key& key, const QString& value);

  private:
    platform::SettingsStore& store_;
};

}  // namespace options
