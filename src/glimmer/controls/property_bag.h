// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace glimmer {

// The settings a window layout keeps for each of its controls. Names are matched without
// regard to case and kept in lower case, in the order they were first written; a value equal
// to its default is never written, and a missing value reads as its default. The plain-text
// form lets a layout live in a resource:
//
//   caption = "Version: 2.4"         text (\" \\ \n \r \t escaped)
//   alignment = 1                    32-bit integer
//   value = 12.5!                    single precision
//   value = 12.5#                    double precision
//   autosize = True                  boolean
//   forecolor = &H0000FF00&          colour, &H00BBGGRR or a system colour
//   font = Font("Arial,9,-1,5,700,0,0,0,0,0")   QFont::toString
//   picture = Picture("iVBORw0K...")             PNG in base64
//
// Blank lines and lines starting with ' are ignored.
class PropertyBag {
  public:
    // A colour as the layouts store it, so that it is told apart from a plain integer.
    struct Colour {
        quint32 value = 0;
        friend bool operator==(Colour, Colour) = default;
    };
    using Value = std::variant<bool, qint32, float, double, Colour, QString, QFont, QImage>;

    // Stores `value` under `name`, or removes the entry when the value equals `defaultValue`.
    void write(const QString& name, const Value& value, const Value& defaultValue);

    // Reads a value of the asked type. Numbers convert between integer, single, double and
    // colour, and an integer reads as a boolean (non-zero is true); any other mismatch reads
    // as the default, as does a missing name.
    QString readText(const QString& name, const QString& defaultValue) const;
    qint32 readInt(const QString& name, qint32 defaultValue) const;
    float readSingle(const QString& name, float defaultValue) const;
    double readDouble(const QString& name, double defaultValue) const;
    bool readBool(const QString& name, bool defaultValue) const;
    quint32 readColour(const QString& name, quint32 defaultValue) const;
    QFont readFont(const QString& name, const QFont& defaultValue) const;
    QImage readPicture(const QString& name, const QImage& defaultValue = {}) const;

    bool contains(const QString& name) const { return find(name) != nullptr; }
    const Value* find(const QString& name) const;
    // The names held, in order.
    QStringList names() const;
    bool isEmpty() const { return entries_.empty(); }

    QString toText() const;
    // The bag the text describes; on a malformed line, nothing, and `error` names the line.
    static std::optional<PropertyBag> fromText(const QString& text, QString* error = nullptr);

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

  private:
    struct Entry {
        QString name;
        Value value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::optional<double> number(const QString& name) const;

    std::vector<Entry> entries_;
};

}  // namespace glimmer
