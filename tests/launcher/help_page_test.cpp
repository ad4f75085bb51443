// SPDX-License-Identifier: MIT
// The help page as the build puts it beside the programs: everything it links to is there.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

namespace {

QString builtPage() {
    QFile page(QStringLiteral(CORVEL_BIN_DIR "/Corvel.html"));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    return QString::fromUtf8(page.readAll());
}

TEST(BuiltHelpPageTest, EveryFileAndSectionThePageLinksToExists) {
    const QString page = builtPage();
    ASSERT_FALSE(page.isEmpty());
    const QDir bin(QStringLiteral(CORVEL_BIN_DIR));
    int files = 0;
    const QRegularExpression link(QStringLiteral(R"re((?:src|href)="([^"]+)")re"));
    for (const auto& match : link.globalMatch(page)) {
        const QString target = match.captured(1);
        if (target.startsWith(QLatin1Char('#'))) {
            EXPECT_TRUE(page.contains(QStringLiteral("id=\"") + target.mid(1) + QLatin1Char('"')))
                << target.toStdString();
        } else {
            ASSERT_FALSE(target.contains(QLatin1Char(':')))
                << "no outside links: " << target.toStdString();
            EXPECT_TRUE(QFileInfo::exists(bin.filePath(target))) << target.toStdString();
            ++files;
        }
    }
    EXPECT_GE(files, 5) << "the stylesheet, the icon and the screenshots";
}

}  // namespace
