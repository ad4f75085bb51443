// SPDX-License-Identifier: MIT
#include "engine/qt/label_text.h"

namespace engine {

QString shortenLabel(const QString& text, const LabelRule& rule) {
    if (text.size() <= rule.longest) {
        return text;
    }
    return text.left(rule.head) + QLatin1String(rule.middle) + text.right(rule.tail);
}

}  // namespace engine
