// SPDX-License-Identifier: MIT
#include "thumb_options.h"

#include <sched.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <optional>
#include <thread>
#include <tuple>

namespace thumb {

namespace {

enum Option {
    Width,
    Height,
    SizeOption,
    Mode,
    Type,
    Quality,
    Lossless,
    Background,
    Prefix,
    Suffix,
    Number,
    Dest,
    SameFolder,
    Landscape,
    NoAutoOrient,
    NoColourConversion,
    Overwrite,
    Jobs,
    Help,
    Version,
    OptionCount
};

// One entry per option: its short and long names, and whether it takes a value.
struct OptionSpec {
    char shortName;  // 0: none
    const char* longName;
    bool takesValue;
};

constexpr std::array<OptionSpec, OptionCount> kOptions = {{
    {'W', "width", true},       {'H', "height", true},   {'s', "size", true},
    {0, "mode", true},          {'t', "type", true},     {'q', "quality", true},
    {0, "lossless", false},     {0, "background", true}, {0, "prefix", true},
    {0, "suffix", true},        {0, "number", true},     {'o', "dest", true},
    {0, "same-folder", false},  {0, "landscape", false}, {0, "no-auto-orient", false},
    {0, "keep-profile", false}, {0, "overwrite", false}, {'j', "jobs", true},
    {'h', "help", false},       {0, "version", false},
}};

std::optional<Option> optionNamed(std::string_view name, bool isLong) {
    for (int i = 0; i < OptionCount; ++i) {
        const OptionSpec& spec = kOptions[std::size_t(i)];
        if (isLong ? name == spec.longName : name.size() == 1 && name[0] == spec.shortName) {
            return Option(i);
        }
    }
    return std::nullopt;
}

// The options and pictures of a command line, in the usual forms: "--width 90",
// "--width=90", "-W 90", "-W90", switches grouped as "-hj4", "--" ending the options. A lone
// "-" is a picture name. An option given twice takes its last value.
class CommandLine {
  public:
    explicit CommandLine(const std::vector<std::string>& arguments) {
        bool optionsEnded = false;
        for (std::size_t i = 1; i < arguments.size() && error_.empty(); ++i) {
            const std::string& argument = arguments[i];
            if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
                positional_.push_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else if (argument[1] == '-') {
                readLong(arguments, i);
            } else {
                readShort(arguments, i);
            }
        }
    }

    // Empty when the command line was read.
    const std::string& error() const { return error_; }
    bool isSet(Option option) const { return values_[option].has_value(); }
    std::string value(Option option) const { return values_[option].value_or(std::string()); }
    const std::vector<std::string>& positional() const { return positional_; }

  private:
    void readLong(const std::vector<std::string>& arguments, std::size_t& i) {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals - 2);
        const std::optional<Option> option = optionNamed(name, true);
        if (!option) {
            error_ = "Unknown option '" + name + "'.";
            return;
        }
        if (!kOptions[*option].takesValue) {
            if (equals != std::string::npos) {
                error_ = "Unexpected value after '--" + name + "'.";
                return;
            }
            values_[*option] = std::string();
            return;
        }
        if (equals != std::string::npos) {
            values_[*option] = argument.substr(equals + 1);
        } else {
            takeNext(arguments, i, *option, "--" + name);
        }
    }

    void readShort(const std::vector<std::string>& arguments, std::size_t& i) {
        const std::string& argument = arguments[i];
        for (std::size_t at = 1; at < argument.size(); ++at) {
            const std::string name(1, argument[at]);
            const std::optional<Option> option = optionNamed(name, false);
            if (!option) {
                error_ = "Unknown option '" + name + "'.";
                return;
            }
            if (!kOptions[*option].takesValue) {
                values_[*option] = std::string();
                continue;
            }
            // The rest of the argument is the value, or else the next argument.
            if (at + 1 < argument.size()) {
                values_[*option] = argument.substr(at + 1);
            } else {
                takeNext(arguments, i, *option, "-" + name);
            }
            return;
        }
    }

    void takeNext(const std::vector<std::string>& arguments, std::size_t& i, Option option,
                  const std::string& written) {
        if (i + 1 >= arguments.size()) {
            error_ = "Missing value after '" + written + "'.";
            return;
        }
        values_[option] = arguments[++i];
    }

    std::array<std::optional<std::string>, OptionCount> values_;
    std::vector<std::string> positional_;
    std::string error_;
};

std::optional<int> wholeNumber(const std::string& text, int low, int high) {
    const std::optional<std::int32_t> value = engine::parseInt32(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return *value;
}

std::string rangeError(const char* what, int low, int high, const std::string& given) {
    return std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not '" + given + "'";
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

// "#RRGGBB", "#RGB" (the "#" may be left out) or one of a few names.
std::optional<engine::Rgb> colourNamed(const std::string& text) {
    const std::string name = lowerCase(text);
    if (name == "black") {
        return engine::kBlack;
    }
    if (name == "white") {
        return engine::rgb(255, 255, 255);
    }
    if (name == "grey" || name == "gray") {
        return engine::rgb(128, 128, 128);
    }
    const std::string digits = name.starts_with('#') ? name.substr(1) : name;
    if ((digits.size() != 6 && digits.size() != 3) ||
        digits.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return std::nullopt;
    }
    const auto level = [&](int i) {
        const auto hex = [&](std::size_t at) {
            return int(std::string_view("0123456789abcdef").find(digits[at]));
        };
        return digits.size() == 6 ? hex(std::size_t(2 * i)) * 16 + hex(std::size_t(2 * i + 1))
                                  : hex(std::size_t(i)) * 17;
    };
    return engine::rgb(level(0), level(1), level(2));
}

// Characters, not bytes: the bytes of UTF-8 that do not start one are not counted.
std::size_t characterCount(const std::string& text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Letters join the file name, so they must not name a folder.
std::string lettersError(const std::string& letters) {
    if (characterCount(letters) > std::size_t(kMaxLetters)) {
        return "letters may have at most " + std::to_string(kMaxLetters) + " characters, not '" +
               letters + "'";
    }
    if (letters.find('/') != std::string::npos || letters.find('\0') != std::string::npos) {
        return "letters must not contain '/'";
    }
    return {};
}

// The processors this process may run on.
int processorCount() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        return CPU_COUNT(&set);
    }
    return int(std::thread::hardware_concurrency());
}

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& arguments) : line_(arguments) {}

    ParsedCommand parse() {
        ParsedCommand command;
        if (!line_.error().empty()) {
            return usage(line_.error());
        }
        if (line_.isSet(Help)) {
            command.action = ParsedCommand::Action::Help;
            return command;
        }
        if (line_.isSet(Version)) {
            command.action = ParsedCommand::Action::Version;
            return command;
        }
        ThumbOptions& o = command.options;
        o.pictures = line_.positional();
        if (o.pictures.empty()) {
            return usage("no pictures given");
        }
        o.jobs = std::clamp(processorCount(), 1, kMaxJobs);
        for (const auto reader : {&Parser::readSize, &Parser::readValues, &Parser::readNaming,
                                  &Parser::readDestination}) {
            if (const std::string error = (this->*reader)(o); !error.empty()) {
                return usage(error);
            }
        }
        const auto more = std::int64_t(o.pictures.size()) - 1;
        constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
        if (o.naming.mode == engine::NameMode::Number && o.number > kLargest - more) {
            return usage("--number " + std::to_string(o.number) + " would count past " +
                         std::to_string(kLargest) + " for " + std::to_string(o.pictures.size()) +
                         " pictures");
        }
        o.landscape = line_.isSet(Landscape);
        o.autoOrient = !line_.isSet(NoAutoOrient);
        o.convertColours = !line_.isSet(NoColourConversion);
        o.overwrite = line_.isSet(Overwrite);
        command.action = ParsedCommand::Action::Run;
        return command;
    }

  private:
    bool isSet(Option option) const { return line_.isSet(option); }
    std::string value(Option option) const { return line_.value(option); }

    static ParsedCommand usage(const std::string& error) {
        ParsedCommand command;
        command.action = ParsedCommand::Action::UsageError;
        command.error = error;
        return command;
    }

    // Each reader returns an error text, empty when its options are good.
    std::string readSize(ThumbOptions& o) const {
        if (isSet(Mode)) {
            const std::string mode = lowerCase(value(Mode));
            if (mode == "stretch") {
                o.mode = engine::FitMode::Stretch;
            } else if (mode == "fit") {
                o.mode = engine::FitMode::Fit;
            } else if (mode == "fill") {
                o.mode = engine::FitMode::Fill;
            } else {
                return "mode must be stretch, fit or fill, not '" + value(Mode) + "'";
            }
        }
        const bool stretch = o.mode == engine::FitMode::Stretch;
        const int maxWidth = stretch ? kMaxWidth : kMaxModeSide;
        const int maxHeight = stretch ? kMaxHeight : kMaxModeSide;
        if (!isSet(SizeOption)) {
            return readSide(Width, "width", maxWidth, o.width) +
                   readSide(Height, "height", maxHeight, o.height);
        }
        if (isSet(Width) || isSet(Height)) {
            return "give either --size or --width and --height, not both";
        }
        // WxH, W or xH; a side not given keeps its default in Stretch and is free otherwise.
        const std::string size = value(SizeOption);
        const std::size_t x = size.find_first_of("xX");
        const std::string width = size.substr(0, x);
        const std::string height = x == std::string::npos ? std::string() : size.substr(x + 1);
        if ((width.empty() && height.empty()) ||
            (x != std::string::npos && size.find_first_of("xX", x + 1) != std::string::npos)) {
            return "size must be WxH, W or xH, not '" + size + "'";
        }
        for (auto [text, what, high, target] :
             {std::tuple{&width, "size width", maxWidth, &o.width},
              std::tuple{&height, "size height", maxHeight, &o.height}}) {
            if (text->empty()) {
                if (!stretch) {
                    *target = 0;
                }
                continue;
            }
            const auto number = wholeNumber(*text, 1, high);
            if (!number) {
                return rangeError(what, 1, high, *text);
            }
            *target = *number;
        }
        return {};
    }

    std::string readSide(Option option, const char* what, int high, int& target) const {
        if (!isSet(option)) {
            return {};
        }
        const auto number = wholeNumber(value(option), 1, high);
        if (!number) {
            return rangeError(what, 1, high, value(option));
        }
        target = *number;
        return {};
    }

    std::string readValues(ThumbOptions& o) const {
        struct Limit {
            Option option;
            const char* what;
            int low, high;
            int* target;
        };
        const Limit limits[] = {
            {Quality, "quality", 1, 100, &o.quality},
            {Jobs, "jobs", 1, kMaxJobs, &o.jobs},
        };
        for (const Limit& limit : limits) {
            if (!isSet(limit.option)) {
                continue;
            }
            const auto number = wholeNumber(value(limit.option), limit.low, limit.high);
            if (!number) {
                return rangeError(limit.what, limit.low, limit.high, value(limit.option));
            }
            *limit.target = *number;
        }
        if (isSet(Type)) {
            const std::string type = lowerCase(value(Type));
            if (type == "jpg") {
                o.type = ThumbType::Jpg;
            } else if (type == "bmp") {
                o.type = ThumbType::Bmp;
            } else if (type == "gif") {
                o.type = ThumbType::Gif;
            } else if (type == "png") {
                o.type = ThumbType::Png;
            } else if (type == "webp") {
                o.type = ThumbType::Webp;
            } else {
                return "type must be jpg, bmp, gif, png or webp, not '" + value(Type) + "'";
            }
        }
        if (isSet(Lossless) && o.type != ThumbType::Webp) {
            return "--lossless goes with -t webp";
        }
        o.lossless = isSet(Lossless);
        if (isSet(Background)) {
            const std::optional<engine::Rgb> colour = colourNamed(value(Background));
            if (!colour) {
                return "background must be #RRGGBB, #RGB, black, white or grey, not '" +
                       value(Background) + "'";
            }
            o.background = *colour;
        }
        return {};
    }

    std::string readNaming(ThumbOptions& o) const {
        const int modes = int(isSet(Prefix)) + int(isSet(Suffix)) + int(isSet(Number));
        if (modes > 1) {
            return "give only one of --prefix, --suffix and --number";
        }
        if (isSet(Prefix) || isSet(Suffix)) {
            o.naming.mode = isSet(Prefix) ? engine::NameMode::Prefix : engine::NameMode::Suffix;
            o.letters = value(isSet(Prefix) ? Prefix : Suffix);
            return lettersError(o.letters);
        }
        if (isSet(Number)) {
            o.naming.mode = engine::NameMode::Number;
            const std::optional<std::int32_t> number = engine::parseInt32(value(Number));
            if (!number) {
                return "--number needs a whole number, not '" + value(Number) + "'";
            }
            o.number = *number;
        }
        return {};
    }

    std::string readDestination(ThumbOptions& o) const {
        if (isSet(Dest) == isSet(SameFolder)) {
            return isSet(Dest) ? "give either --dest or --same-folder, not both"
                               : "no destination: give -o DIR or --same-folder";
        }
        if (isSet(SameFolder)) {
            o.naming.location = engine::FileLocation::SourceFolder;
            return {};
        }
        if (value(Dest).empty()) {
            return "the destination folder name is empty";
        }
        o.naming.location = engine::FileLocation::SaveToFolder;
        o.destination = absoluteClean(value(Dest));
        return {};
    }

    CommandLine line_;
};

}  // namespace

std::string extensionOf(ThumbType type) {
    switch (type) {
        case ThumbType::Bmp:
            return ".bmp";
        case ThumbType::Gif:
            return ".gif";
        case ThumbType::Png:
            return ".png";
        case ThumbType::Webp:
            return ".webp";
        case ThumbType::Jpg:
            break;
    }
    return ".jpg";
}

bool keepsTransparency(ThumbType type) {
    return type == ThumbType::Png || type == ThumbType::Webp;
}

std::string absoluteClean(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) {
        absolute = path;  // no working folder: the path as given
    }
    std::string clean = absolute.lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/') {
        clean.pop_back();
    }
    return clean;
}

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    return Parser(arguments).parse();
}

std::string helpText() {
    return "Usage: corvel-thumb [options] PICTURE...\n"
           "Makes a thumbnail of each BMP, JPEG, GIF, PNG or WebP picture by point\n"
           "sampling, stretched to exactly the given size as the Corvel window does,\n"
           "unless --mode says otherwise.\n"
           "\n"
           "Size and type:\n"
           "  -W, --width PIXELS     thumbnail width, 1 to 280 (default 110)\n"
           "  -H, --height PIXELS    thumbnail height, 1 to 240 (default 130)\n"
           "  -s, --size WxH         both at once; W or xH gives one side (-s 90x60)\n"
           "      --mode MODE        stretch (default): the whole picture, stretched to the box;\n"
           "                         fit: the whole picture, aspect kept, inside the box\n"
           "                         (--mode fit -s 200x200 makes 400 x 300 into 200 x 150);\n"
           "                         fill: aspect kept, the box filled, the centre cropped\n"
           "                         (--mode fill -s 100x100 for square thumbnails).\n"
           "                         Fit and fill take sides up to 8192, and a side not\n"
           "                         given to -s follows the picture (--mode fit -s 1200)\n"
           "      --landscape        swap width and height for pictures wider than tall\n"
           "      --no-auto-orient   keep photos as stored; without it, a photo tagged\n"
           "                         to be turned (EXIF orientation) is stood upright first\n"
           "                         (a phone photo tagged \"rotate 90\" comes out upright)\n"
           "      --keep-profile     keep a picture's colours as stored and copy its colour\n"
           "                         profile into JPEG, PNG and WebP thumbnails; without it,\n"
           "                         a photo with an embedded profile (Adobe RGB, Display\n"
           "                         P3) is converted to sRGB (--keep-profile -o thumbs ...)\n"
           "  -t, --type TYPE        jpg, bmp, gif, png or webp (default jpg); gif files\n"
           "                         hold JPEG data (-t webp -q 80 for small web thumbnails)\n"
           "  -q, --quality PERCENT  JPEG and WebP quality, 1 to 100 (default 100)\n"
           "      --lossless         lossless WebP, -q is not used (-t webp --lossless)\n"
           "      --background COLOR what transparent pictures are laid over in jpg, bmp and\n"
           "                         gif thumbnails: #RRGGBB, #RGB, black, white or grey\n"
           "                         (default black; --background white); png and webp\n"
           "                         thumbnails keep the transparency\n"
           "\n"
           "Names (one of these; without one the thumbnail keeps the picture's name):\n"
           "      --prefix LETTERS   up to 3 characters before the name\n"
           "      --suffix LETTERS   up to 3 characters after the name\n"
           "      --number K         a running number from K after the name (name_K with\n"
           "                         --dest, nameK with --same-folder)\n"
           "\n"
           "Destination (one of these):\n"
           "  -o, --dest DIR         write the thumbnails into DIR (created when missing)\n"
           "      --same-folder      write each thumbnail beside its picture\n"
           "      --overwrite        replace existing files; without it they are skipped\n"
           "\n"
           "  -j, --jobs N           pictures made in parallel (default: number of cores)\n"
           "  -h, --help             show this help\n"
           "      --version          show the version\n"
           "\n"
           "Existing files are never replaced without --overwrite: such a picture is\n"
           "skipped and counted apart, so running the same command again writes only\n"
           "what is missing. A thumbnail never replaces one of the input pictures\n"
           "without --overwrite, and files are written whole or not at all.\n"
           "\n"
           "Exit status: 0 nothing failed (written or skipped), 1 some pictures failed,\n"
           "2 bad usage or unusable destination (checked before any picture is read).\n"
           "\n"
           "Example:\n"
           "  corvel-thumb -W 120 -H 90 --suffix _th -o ~/web/thumbs ~/Pictures/*.jpg\n";
}

std::string versionText() {
    return "corvel-thumb " CORVEL_VERSION "\n";
}

}  // namespace thumb
