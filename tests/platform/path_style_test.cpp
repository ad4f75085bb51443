// SPDX-License-Identifier: MIT
#include "platform/path_style.h"
#include "platform/path_style_qt.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

using platform::PathStyle;

namespace {

struct JoinCase {
    const PathStyle* style;
    std::string folder, name, joined;
};

TEST(PathStyle, JoinPutsExactlyOneSeparatorBetweenFolderAndName) {
    const JoinCase cases[] = {
        {&PathStyle::windows(), "C:\\pics", "a.jpg", "C:\\pics\\a.jpg"},
        {&PathStyle::windows(), "C:\\pics\\", "a.jpg", "C:\\pics\\a.jpg"},
        {&PathStyle::windows(), "C:\\", "a.jpg", "C:\\a.jpg"},
        {&PathStyle::posix(), "/home/u/pics", "a.jpg", "/home/u/pics/a.jpg"},
        {&PathStyle::posix(), "/home/u/pics/", "a.jpg", "/home/u/pics/a.jpg"},
        {&PathStyle::posix(), "/", "a.jpg", "/a.jpg"},
        // The other style's separator is an ordinary character.
        {&PathStyle::posix(), "odd\\", "a.jpg", "odd\\/a.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.style->join(c.folder, c.name), c.joined) << c.folder;
    }
}

struct RuleCase {
    const PathStyle* style;
    std::string path;
    bool endsWithSeparator, hasDrive;
    std::string rooted;
    int separators;
};

TEST(PathStyle, SeparatorDriveAndRootRules) {
    const PathStyle& w = PathStyle::windows();
    const PathStyle& p = PathStyle::posix();
    const RuleCase cases[] = {
        {&w, "D:\\thumbs\\", true, true, "D:\\thumbs\\", 2},
        {&w, "D:thumbs\\", true, true, "D:\\thumbs\\", 1},
        {&w, "thumbs\\", true, false, "\\thumbs\\", 1},
        {&w, "\\thumbs", false, false, "\\thumbs", 1},
        {&w, "D:", false, true, "D:\\", 0},
        {&w, "", false, false, "\\", 0},
        {&p, "/srv/thumbs/", true, true, "/srv/thumbs/", 3},
        {&p, "srv/thumbs", false, false, "/srv/thumbs", 1},
        {&p, "D:thumbs", false, false, "/D:thumbs", 0},
        {&p, "/", true, true, "/", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.style->endsWithSeparator(c.path), c.endsWithSeparator);
        EXPECT_EQ(c.style->hasDrive(c.path), c.hasDrive);
        EXPECT_EQ(c.style->insertRoot(c.path), c.rooted);
        EXPECT_EQ(c.style->countSeparators(c.path), c.separators);
    }
}

// The window's text goes through the same rules, other characters untouched.
TEST(PathStyle, WindowTextFollowsTheSameRules) {
    const PathStyle& p = PathStyle::posix();
    const PathStyle& w = PathStyle::windows();
    EXPECT_EQ(platform::join(p, QStringLiteral("/home/zoë/Bilder"), QStringLiteral("café.jpg")),
              QStringLiteral("/home/zoë/Bilder/café.jpg"));
    EXPECT_EQ(platform::withTrailingSeparator(p, QStringLiteral("/fotos/日本")),
              QStringLiteral("/fotos/日本/"));
    EXPECT_EQ(platform::insertRoot(w, QStringLiteral("D:Ünter\\")), QStringLiteral("D:\\Ünter\\"));
    EXPECT_TRUE(platform::hasDrive(w, QStringLiteral("D:Ünter")));
    EXPECT_TRUE(platform::endsWithSeparator(p, QStringLiteral("/ü/")));
}

TEST(PathStyle, PlaceholdersInBothStyles) {
    EXPECT_EQ(platform::placeholderFolder(PathStyle::windows()), "c:\\FilePath\\");
    EXPECT_EQ(platform::placeholderFile(PathStyle::windows()), "c:\\FilePath\\FileName");
    EXPECT_EQ(platform::placeholderFolder(PathStyle::posix()), "/FilePath/");
    EXPECT_EQ(platform::placeholderFile(PathStyle::posix()), "/FilePath/FileName");
    EXPECT_TRUE(platform::isPlaceholder(PathStyle::posix(), QStringLiteral("/FilePath/")));
    EXPECT_FALSE(platform::isPlaceholder(PathStyle::posix(), QStringLiteral("/FilePath")));
    EXPECT_EQ(PathStyle::host().separator(), '/');
    EXPECT_EQ(platform::qSeparator(PathStyle::host()), QLatin1Char('/'));
}

}  // namespace
