// SPDX-License-Identifier: MIT
#include "glimmer/controls/property_bag.h"

#include <QBuffer>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace glimmer {

namespace {

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                out += QLatin1String("\\\"");
                break;
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            default:
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

// The text between the quotes of `literal` with its escapes undone; nothing when the literal
// is not one quoted text.
std::optional<QString> unquoted(QStringView literal) {
    if (literal.size() < 2 || !literal.startsWith(u'"') || !literal.endsWith(u'"')) {
        return std::nullopt;
    }
    QString out;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        QChar c = literal[i];
        if (c == u'"') {
            return std::nullopt;
        }
        if (c == u'\\') {
            if (++i + 1 >= literal.size()) {
                return std::nullopt;
            }
            switch (literal[i].unicode()) {
                case 'n':
                    c = u'\n';
                    break;
                case 'r':
                    c = u'\r';
                    break;
                case 't':
                    c = u'\t';
                    break;
                case '"':
                case '\\':
                    c = literal[i];
                    break;
                default:
                    return std::nullopt;
            }
        }
        out += c;
    }
    return out;
}

QString pictureText(const QImage& picture) {
    if (picture.isNull()) {
        return QStringLiteral("Picture(\"\")");
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QStringLiteral("Picture(\"%1\")").arg(QString::fromLatin1(png.toBase64()));
}

QString literal(const PropertyBag::Value& value) {
    return std::visit(
        Overloaded{
            [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
            [](qint32 i) { return QString::number(i); },
            // Nine and seventeen digits bring every single and double back unchanged.
            [](float f) { return QString::number(f, 'g', 9) + QLatin1Char('!'); },
            [](double d) { return QString::number(d, 'g', 17) + QLatin1Char('#'); },
            [](PropertyBag::Colour c) {
                return QStringLiteral("&H%1&").arg(c.value, 8, 16, QLatin1Char('0')).toUpper();
            },
            [](const QString& s) { return quoted(s); },
            [](const QFont& f) { return QStringLiteral("Font(%1)").arg(quoted(f.toString())); },
            [](const QImage& p) { return pictureText(p); },
        },
        value);
}

// A finite number written in the C locale, whole text only.
std::optional<double> plainNumber(QStringView text) {
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d)) {
        return std::nullopt;
    }
    return d;
}

std::optional<PropertyBag::Value> parseLiteral(QStringView text) {
    if (text == u"True") {
        return PropertyBag::Value{true};
    }
    if (text == u"False") {
        return PropertyBag::Value{false};
    }
    if (text.startsWith(u'"')) {
        if (auto s = unquoted(text)) {
            return PropertyBag::Value{*s};
        }
        return std::nullopt;
    }
    if (text.startsWith(u"&H", Qt::CaseInsensitive) && text.endsWith(u'&') && text.size() > 3 &&
        text.size() <= 11) {
        bool ok = false;
        const uint v = text.mid(2, text.size() - 3).toUInt(&ok, 16);
        if (!ok) {
            return std::nullopt;
        }
        return PropertyBag::Value{PropertyBag::Colour{v}};
    }
    const auto wrapped = [&](QStringView head) -> std::optional<QString> {
        if (!text.startsWith(head) || !text.endsWith(u')')) {
            return std::nullopt;
        }
        return unquoted(text.mid(head.size(), text.size() - head.size() - 1));
    };
    if (auto font = wrapped(u"Font(")) {
        QFont f;
        if (!f.fromString(*font)) {
            return std::nullopt;
        }
        return PropertyBag::Value{f};
    }
    if (auto picture = wrapped(u"Picture(")) {
        if (picture->isEmpty()) {
            return PropertyBag::Value{QImage()};
        }
        const QByteArray png =
            QByteArray::fromBase64(picture->toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        QImage image;
        if (png.isEmpty() || !image.loadFromData(png, "PNG")) {
            return std::nullopt;
        }
        return PropertyBag::Value{image};
    }
    if (text.endsWith(u'!') || text.endsWith(u'#')) {
        const auto d = plainNumber(text.first(text.size() - 1));
        if (!d) {
            return std::nullopt;
        }
        if (text.endsWith(u'#')) {
            return PropertyBag::Value{*d};
        }
        if (std::fabs(*d) > std::numeric_limits<float>::max()) {
            return std::nullopt;
        }
        return PropertyBag::Value{static_cast<float>(*d)};
    }
    bool ok = false;
    const int i = text.toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return PropertyBag::Value{qint32{i}};
}

}  // namespace

const PropertyBag::Value* PropertyBag::find(const QString& name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == entries_.end() ? nullptr : &it->value;
}

void PropertyBag::write(const QString& name, const Value& value, const Value& defaultValue) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (value == defaultValue) {
        if (it != entries_.end()) {
            entries_.erase(it);
        }
        return;
    }
    if (it != entries_.end()) {
        it->value = value;
    } else {
        entries_.push_back({name.toLower(), value});
    }
}

QStringList PropertyBag::names() const {
    QStringList out;
    for (const Entry& e : entries_) {
        out.append(e.name);
    }
    return out;
}

std::optional<double> PropertyBag::number(const QString& name) const {
    const Value* v = find(name);
    if (!v) {
        return std::nullopt;
    }
    return std::visit(Overloaded{
                          [](qint32 i) -> std::optional<double> { return i; },
                          [](float f) -> std::optional<double> { return f; },
                          [](double d) -> std::optional<double> { return d; },
                          [](Colour c) -> std::optional<double> { return c.value; },
                          [](const auto&) -> std::optional<double> { return std::nullopt; },
                      },
                      *v);
}

QString PropertyBag::readText(const QString& name, const QString& defaultValue) const {
    const Value* v = find(name);
    const QString* s = v ? std::get_if<QString>(v) : nullptr;
    return s ? *s : defaultValue;
}

qint32 PropertyBag::readInt(const QString& name, qint32 defaultValue) const {
    if (const Value* v = find(name); v && std::holds_alternative<bool>(*v)) {
        return std::get<bool>(*v) ? -1 : 0;
    }
    const auto n = number(name);
    if (!n || !std::isfinite(*n) || *n < std::numeric_limits<qint32>::min() || *n > 4294967295.0) {
        return defaultValue;
    }
    // Colours above 2^31 read back as the same 32 bits.
    return *n > std::numeric_limits<qint32>::max() ? static_cast<qint32>(static_cast<quint32>(*n))
                                                   : static_cast<qint32>(std::nearbyint(*n));
}

float PropertyBag::readSingle(const QString& name, float defaultValue) const {
    const auto n = number(name);
    if (!n || std::fabs(*n) > std::numeric_limits<float>::max()) {
        return defaultValue;
    }
    return static_cast<float>(*n);
}

double PropertyBag::readDouble(const QString& name, double defaultValue) const {
    return number(name).value_or(defaultValue);
}

bool PropertyBag::readBool(const QString& name, bool defaultValue) const {
    if (const Value* v = find(name); v && std::holds_alternative<bool>(*v)) {
        return std::get<bool>(*v);
    }
    const auto n = number(name);
    return n ? *n != 0 : defaultValue;
}

quint32 PropertyBag::readColour(const QString& name, quint32 defaultValue) const {
    if (const Value* v = find(name); v && std::holds_alternative<Colour>(*v)) {
        return std::get<Colour>(*v).value;
    }
    const Value* v = find(name);
    if (v && std::holds_alternative<qint32>(*v)) {
        return static_cast<quint32>(std::get<qint32>(*v));
    }
    return defaultValue;
}

QFont PropertyBag::readFont(const QString& name, const QFont& defaultValue) const {
    const Value* v = find(name);
    const QFont* f = v ? std::get_if<QFont>(v) : nullptr;
    return f ? *f : defaultValue;
}

QImage PropertyBag::readPicture(const QString& name, const QImage& defaultValue) const {
    const Value* v = find(name);
    const QImage* p = v ? std::get_if<QImage>(v) : nullptr;
    return p ? *p : defaultValue;
}

QString PropertyBag::toText() const {
    QString out;
    for (const Entry& e : entries_) {
        out += e.name + QLatin1String(" = ") + literal(e.value) + QLatin1Char('\n');
    }
    return out;
}

std::optional<PropertyBag> PropertyBag::fromText(const QString& text, QString* error) {
    static const QRegularExpression line(
        QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.*?)\\s*$"));
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString trimmed = lines[n].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('\''))) {
            continue;
        }
        const QRegularExpressionMatch m = line.match(lines[n]);
        const auto value = m.hasMatch() ? parseLiteral(m.capturedView(2)) : std::nullopt;
        if (!value) {
            if (error) {
                *error = QStringLiteral("line %1: \"%2\" is not a setting").arg(n + 1).arg(trimmed);
            }
            return std::nullopt;
        }
        const QString name = m.captured(1);
        if (bag.contains(name)) {
            if (error) {
                *error = QStringLiteral("line %1: \"%2\" is set twice").arg(n + 1).arg(name);
            }
            return std::nullopt;
        }
        bag.entries_.push_back({name.toLower(), *value});
    }
    return bag;
}

}  // namespace glimmer
