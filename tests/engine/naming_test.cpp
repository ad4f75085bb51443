// SPDX-License-Identifier: MIT
#include "engine/naming.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using engine::FileLocation;
using engine::NameChoice;
using engine::NameMode;
using engine::NameRow;
using engine::NameStatus;
using platform::PathStyle;

namespace {

const PathStyle& win = PathStyle::windows();
const PathStyle& posix = PathStyle::posix();

// The row as the window shows it before a picture: the chosen folder, the letters _th.
NameRow rowBefore(const std::string& destination) {
    return {destination, "FileName", "_th", ".jpg"};
}

std::string thumbnailName(const PathStyle& style, const std::string& source,
                          const std::string& destination, NameChoice choice, std::int32_t k = 7) {
    const auto prepared = engine::prepareName(style, source, choice, rowBefore(destination), k);
    EXPECT_EQ(prepared.status, NameStatus::Ok) << source;
    return engine::composeName(style, prepared.row, choice);
}

struct NameCase {
    const PathStyle* style;
    std::string source;
    std::string destination;
    NameMode mode;
    FileLocation location;
    std::string name;
};

constexpr auto Folder = FileLocation::SaveToFolder;
constexpr auto Own = FileLocation::SourceFolder;

TEST(Naming, WorkedExampleInBothStyles) {
    const NameCase cases[] = {
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Prefix, Folder,
         "D:\\thumbs\\_thphoto.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Suffix, Folder,
         "D:\\thumbs\\photo_th.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Number, Folder,
         "D:\\thumbs\\photo_7.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::None, Folder,
         "D:\\thumbs\\photo.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Prefix, Own,
         "C:\\pics\\_thphoto.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Suffix, Own,
         "C:\\pics\\photo_th.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::Number, Own,
         "C:\\pics\\photo7.jpg"},
        {&win, "C:\\pics\\photo.jpg", "D:\\thumbs\\", NameMode::None, Own, "C:\\pics\\photo.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Prefix, Folder,
         "/srv/thumbs/_thphoto.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Suffix, Folder,
         "/srv/thumbs/photo_th.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Number, Folder,
         "/srv/thumbs/photo_7.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::None, Folder,
         "/srv/thumbs/photo.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Prefix, Own,
         "/home/u/pics/_thphoto.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Suffix, Own,
         "/home/u/pics/photo_th.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::Number, Own,
         "/home/u/pics/photo7.jpg"},
        {&posix, "/home/u/pics/photo.jpg", "/srv/thumbs/", NameMode::None, Own,
         "/home/u/pics/photo.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(thumbnailName(*c.style, c.source, c.destination, {c.mode, c.location}), c.name);
    }
}

struct PreparationCase {
    const PathStyle* style;
    NameMode mode;
    FileLocation location;
    std::string destName, incrementer;
};

TEST(Naming, PreparationFillsTheBoxesByLocationAndMode) {
    const PreparationCase cases[] = {
        {&win, NameMode::Prefix, Folder, "D:\\thumbs\\", "_th"},
        {&win, NameMode::Number, Folder, "D:\\thumbs\\", "7"},
        {&win, NameMode::None, Folder, "D:\\thumbs\\", "_th"},
        {&win, NameMode::Prefix, Own, "C:\\pics\\", "_th"},
        {&win, NameMode::Suffix, Own, "C:\\pics\\photo", "_th"},
        {&win, NameMode::Number, Own, "C:\\pics\\photo", "7"},
        {&win, NameMode::None, Own, "C:\\pics\\photo", "_th"},
        {&posix, NameMode::Suffix, Folder, "/srv/thumbs/", "_th"},
        {&posix, NameMode::Prefix, Own, "/pics/", "_th"},
        {&posix, NameMode::Number, Own, "/pics/photo", "7"},
        {&posix, NameMode::None, Own, "/pics/photo", "_th"},
    };
    for (const auto& c : cases) {
        const bool windows = c.style->isWindows();
        const std::string source = windows ? "C:\\pics\\photo.jpg" : "/pics/photo.jpg";
        // The chosen folder as the chooser leaves it: no trailing separator.
        const std::string chosen = windows ? "D:\\thumbs" : "/srv/thumbs";
        const auto prepared =
            engine::prepareName(*c.style, source, {c.mode, c.location}, rowBefore(chosen), 7);
        SCOPED_TRACE(c.destName);
        ASSERT_EQ(prepared.status, NameStatus::Ok);
        EXPECT_EQ(prepared.row.destName, c.destName);
        EXPECT_EQ(prepared.row.filename, "photo");
        EXPECT_EQ(prepared.row.incrementer, c.incrementer);
        EXPECT_EQ(prepared.row.extension, ".jpg");
        EXPECT_EQ(prepared.sourcePath, windows ? "C:\\pics\\" : "/pics/");
        EXPECT_EQ(prepared.sourceFile, "photo.jpg");
    }
}

struct SplitCase {
    const PathStyle* style;
    std::string path, folder, baseName, extension;
};

TEST(Naming, SourcePathParts) {
    const SplitCase cases[] = {
        {&win, "C:\\pics\\photo.jpg", "C:\\pics\\", "photo", ".jpg"},
        // A dot in a folder name does not shorten the base name; only the last dot counts.
        {&win, "C:\\a.b\\photo.jpg", "C:\\a.b\\", "photo", ".jpg"},
        {&win, "C:\\pics\\photo.final.jpg", "C:\\pics\\", "photo.final", ".jpg"},
        {&posix, "/a.b/photo.jpg", "/a.b/", "photo", ".jpg"},
        {&posix, "/pics/photo.final.jpg", "/pics/", "photo.final", ".jpg"},
        // No extension, or a longer one: the parts still give the path back.
        {&win, "C:\\a.b\\photo", "C:\\a.b\\", "photo", ""},
        {&posix, "/a.b/photo", "/a.b/", "photo", ""},
        {&posix, "/pics/photo.jpeg", "/pics/", "photo", ".jpeg"},
        // The other style's separator is part of the name.
        {&posix, "/pics/a\\b.gif", "/pics/", "a\\b", ".gif"},
    };
    for (const auto& c : cases) {
        const auto parts = engine::splitSourcePath(*c.style, c.path);
        SCOPED_TRACE(c.path);
        EXPECT_EQ(parts.folder, c.folder);
        EXPECT_EQ(parts.baseName, c.baseName);
        EXPECT_EQ(parts.extension, c.extension);
        EXPECT_EQ(parts.textName, c.folder + c.baseName);
        EXPECT_EQ(parts.folder + parts.sourceFile(), c.path);
    }
}

TEST(Naming, DotInAFolderNameKeepsTheWholeBaseName) {
    EXPECT_EQ(thumbnailName(win, "C:\\a.b\\photo.jpg", "D:\\thumbs\\", {NameMode::Suffix, Folder}),
              "D:\\thumbs\\photo_th.jpg");
    EXPECT_EQ(thumbnailName(posix, "/a.b/photo.jpg", "/srv/thumbs/", {NameMode::Suffix, Folder}),
              "/srv/thumbs/photo_th.jpg");
    EXPECT_EQ(thumbnailName(posix, "/a.b/photo.final.jpg", "/srv", {NameMode::Prefix, Own}),
              "/a.b/_thphoto.final.jpg");
}

struct DestinationCase {
    const PathStyle* style;
    std::string typed, used;
};

TEST(Naming, DestinationIsNormalisedBeforeUse) {
    const DestinationCase cases[] = {
        {&win, "D:thumbs", "D:\\thumbs\\"},
        {&win, "D:\\thumbs", "D:\\thumbs\\"},
        {&win, "D:\\thumbs\\", "D:\\thumbs\\"},
        {&win, "D:", "D:\\"},
        {&win, "thumbs", "\\thumbs\\"},
        // The POSIX form of a folder typed without its root.
        {&posix, "srv/thumbs", "/srv/thumbs/"},
        {&posix, "/srv/thumbs", "/srv/thumbs/"},
        {&posix, "/", "/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine::normaliseDestination(*c.style, c.typed), c.used) << c.typed;
        const std::string source = c.style->isWindows() ? "C:\\pics\\photo.jpg" : "/pics/photo.jpg";
        EXPECT_EQ(thumbnailName(*c.style, source, c.typed, {NameMode::None, Folder}),
                  c.used + "photo.jpg");
    }
}

TEST(Naming, CompositionRootsTheFolderAgain) {
    // The destination box may have changed since the preparation.
    const NameRow row{"D:thumbs\\", "photo", "_th", ".gif"};
    EXPECT_EQ(engine::composeName(win, row, {NameMode::Suffix, Folder}),
              "D:\\thumbs\\photo_th.gif");
    const NameRow posixRow{"srv/thumbs/", "photo", "_th", ".bmp"};
    EXPECT_EQ(engine::composeName(posix, posixRow, {NameMode::Prefix, Folder}),
              "/srv/thumbs/_thphoto.bmp");
}

// A path with `separators` separators, the last one before photo.jpg.
std::string pathWithSeparators(const PathStyle& style, int separators) {
    std::string path = style.isWindows() ? "C:" : "";
    for (int i = 1; i < separators; ++i) {
        path += style.separator() + ("d" + std::to_string(i));
    }
    return path + style.separator() + "photo.jpg";
}

TEST(Naming, FifteenSeparatorsAreNamedSixteenAreTooLong) {
    for (const PathStyle* style : {&win, &posix}) {
        const std::string fifteen = pathWithSeparators(*style, 15);
        const std::string sixteen = pathWithSeparators(*style, 16);
        ASSERT_EQ(style->countSeparators(fifteen), 15);
        ASSERT_EQ(style->countSeparators(sixteen), 16);
        const NameChoice choice{NameMode::Suffix, Own};
        const auto named = engine::prepareName(*style, fifteen, choice, rowBefore("x"), 1);
        EXPECT_EQ(named.status, NameStatus::Ok);
        EXPECT_EQ(engine::composeName(*style, named.row, choice),
                  fifteen.substr(0, fifteen.size() - 4) + "_th.jpg");

        const auto tooLong = engine::prepareName(*style, sixteen, choice, rowBefore("x"), 1);
        EXPECT_EQ(tooLong.status, NameStatus::PathTooLong);
        EXPECT_EQ(tooLong.row.destName, "x") << "the boxes keep their text";
        EXPECT_EQ(tooLong.row.filename, "FileName");
    }
}

TEST(Naming, NumberModeCountsThroughARunAndTheNextRunStartsAtTheLastShown) {
    for (const PathStyle* style : {&win, &posix}) {
        const std::string folder = style->isWindows() ? "C:\\pics\\" : "/pics/";
        const std::string destination = style->isWindows() ? "D:\\thumbs\\" : "/srv/thumbs/";
        const NameChoice choice{NameMode::Number, Folder};
        NameRow row = rowBefore(destination);
        row.incrementer = "9";  // typed into the letters box
        std::int32_t k = engine::startRunningNumber(row.incrementer, 0);
        std::vector<std::string> names;
        for (const char* source : {"photo.jpg", "next.jpg", "last.jpg"}) {
            const auto prepared = engine::prepareName(*style, folder + source, choice, row, k);
            row = prepared.row;
            names.push_back(engine::composeName(*style, row, choice));
            k = engine::nextRunningNumber(k);
        }
        EXPECT_EQ(names, (std::vector<std::string>{destination + "photo_9.jpg",
                                                   destination + "next_10.jpg",
                                                   destination + "last_11.jpg"}));
        EXPECT_EQ(row.incrementer, "11");
        EXPECT_EQ(engine::startRunningNumber(row.incrementer, k), 11);
    }
}

TEST(Naming, RunningNumberKeepsThePreviousValueWhenTheTextIsNoNumber) {
    EXPECT_EQ(engine::startRunningNumber("12", 5), 12);
    EXPECT_EQ(engine::startRunningNumber("007", 5), 7);
    EXPECT_EQ(engine::startRunningNumber("-3", 5), -3);
    EXPECT_EQ(engine::startRunningNumber("", 5), 5);
    EXPECT_EQ(engine::startRunningNumber("a1", 5), 5);
    EXPECT_EQ(engine::startRunningNumber("1.5", 5), 2) << "rounded, as every number is read";
    EXPECT_EQ(engine::startRunningNumber("2147483648", 5), 5) << "beyond 32 bits";
    EXPECT_EQ(engine::startRunningNumber(" +8 ", 5), 8) << "a sign and white space";
    EXPECT_EQ(engine::startRunningNumber("+-8", 5), 5);
    EXPECT_EQ(engine::startRunningNumber("-2147483648", 5),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(engine::nextRunningNumber(std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
