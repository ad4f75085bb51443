// SPDX-License-Identifier: MIT
#include "glimmer/splash/splash_layout.h"

#include <QFile>
#include <QRegularExpression>
#include <QtDebug>

#include <optional>

namespace glimmer {

namespace {
const QString kLayout = QStringLiteral(":/glimmer/frm_splash.layout");
}  // namespace

std::vector<LayoutBlock> readLayout(const QString& text) {
    static const QRegularExpression begin(QStringLiteral("^\\s*Begin\\s+(\\w+)\\s+(\\S+)\\s*$"));
    static const QRegularExpression end(QStringLiteral("^\\s*End\\s*$"));
    std::vector<LayoutBlock> blocks;
    std::optional<LayoutBlock> open;
    QString body;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!open) {
            if (const auto m = begin.match(line); m.hasMatch()) {
                open = LayoutBlock{m.captured(1), m.captured(2), {}};
                body.clear();
            }
            continue;
        }
        if (!end.match(line).hasMatch()) {
            body += line + QLatin1Char('\n');
            continue;
        }
        QString error;
        if (auto bag = PropertyBag::fromText(body, &error)) {
            open->bag = std::move(*bag);
            blocks.push_back(std::move(*open));
        } else {
            qWarning().noquote() << "layout block" << open->name << "left out:" << error;
        }
        open.reset();
    }
    return blocks;
}

std::vector<LayoutBlock> storedLayout() {
    QFile file(kLayout);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "frmSplash layout missing:" << kLayout;
        return {};
    }
    return readLayout(QString::fromUtf8(file.readAll()));
}

}  // namespace glimmer
