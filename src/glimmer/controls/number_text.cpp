// SPDX-License-Identifier: MIT
#include "glimmer/controls/number_text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace glimmer {

namespace {

bool skipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The characters of `text` from `from` on with the skipped ones taken out.
QString packed(const QString& text, qsizetype from) {
    QString out;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (!skipped(text[i])) {
            out += text[i];
        }
    }
    return out;
}

double radixNumber(const QString& digits, int radix) {
    // Accumulated in double: a long run of digits only loses precision, never wraps.
    double value = 0;
    for (const QChar c : digits) {
        const int d = c.isDigit() ? c.digitValue()
                      : (c.toLower() >= u'a' && c.toLower() <= u'f')
                          ? 10 + (c.toLower().unicode() - u'a')
                          : -1;
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    if (value <= 0xFFFF) {
        return static_cast<qint16>(static_cast<quint16>(value));
    }
    if (value <= 0xFFFFFFFFu) {
        return static_cast<qint32>(static_cast<quint32>(value));
    }
    return value;
}

}  // namespace

double leadingNumber(const QString& text) {
    const QString s = packed(text, 0);
    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        return radixNumber(s.mid(2), 16);
    }
    if (s.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        return radixNumber(s.mid(2), 8);
    }
    std::string number;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < s.size() ? s[k] : QChar(); };
    if (at(i) == u'+' || at(i) == u'-') {
        number += static_cast<char>(at(i++).unicode());
    }
    bool digits = false;
    while (at(i).isDigit() && at(i).unicode() < 128) {
        number += static_cast<char>(at(i++).unicode());
        digits = true;
    }
    if (at(i) == u'.') {
        number += '.';
        ++i;
        while (at(i).isDigit() && at(i).unicode() < 128) {
            number += static_cast<char>(at(i++).unicode());
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    bool negativeExponent = false;
    const QChar e = at(i).toLower();
    if (e == u'e' || e == u'd') {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (at(k) == u'+' || at(k) == u'-') {
            negativeExponent = at(k) == u'-';
            exponent += static_cast<char>(at(k++).unicode());
        }
        if (at(k).isDigit() && at(k).unicode() < 128) {
            while (at(k).isDigit() && at(k).unicode() < 128) {
                exponent += static_cast<char>(at(k++).unicode());
            }
            number += exponent;
        }
    }
    double value = 0;
    const char* first = number.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (negativeExponent) {
            return 0;
        }
        const double big = std::numeric_limits<double>::max();
        return number.front() == '-' ? -big : big;
    }
    return error == std::errc() ? value : 0;
}

namespace {

QString general(double value, int digits) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString out = locale.toString(value, 'g', digits);
    // The desktop writes the exponent letter in capitals.
    out.replace(QLatin1Char('e'), QLatin1Char('E'));
    return out;
}

}  // namespace

QString generalNumber(float value) {
    return general(value, 7);
}

QString generalNumber(double value) {
    return general(value, 15);
}

}  // namespace glimmer
