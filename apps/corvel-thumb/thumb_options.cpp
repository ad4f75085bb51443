#include "thumb_options.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace thumb {

namespace {

// One entry per option: names, value name (empty for a switch).
struct OptionSpec {
    QStringList names;
    QString valueName;
};

enum Option {
    Width,
    Height,
    Type,
    Quality,
    Prefix,
    Suffix,
    Number,
    Dest,
    SameFolder,
    Landscape,
    Overwrite,
    Jobs,
    Help,
    Version,
    OptionCount
};

const OptionSpec kOptions[OptionCount] = {
    {{"W", "width"}, "PIXELS"}, {{"H", "height"}, "PIXELS"},
    {{"t", "type"}, "TYPE"},    {{"q", "quality"}, "PERCENT"},
    {{"prefix"}, "LETTERS"},    {{"suffix"}, "LETTERS"},
    {{"number"}, "K"},          {{"o", "dest"}, "DIR"},
    {{"same-folder"}, {}},      {{"landscape"}, {}},
    {{"overwrite"}, {}},        {{"j", "jobs"}, "N"},
    {{"h", "help"}, {}},        {{"version"}, {}},
};

std::optional<int> wholeNumber(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

QString rangeError(const char* what, int low, int high, const QString& given) {
    return QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
        .arg(QLatin1String(what))
        .arg(low)
        .arg(high)
        .arg(given);
}

// Letters join the file name, so they must not name a folder.
QString lettersError(const QString& letters) {
    if (letters.toUcs4().size() > kMaxLetters) {
        return QStringLiteral("letters may have at most %1 characters, not '%2'")
            .arg(kMaxLetters)
            .arg(letters);
    }
    if (letters.contains(QDir::separator()) || letters.contains(QChar(0))) {
        return QStringLiteral("letters must not contain '%1'").arg(QDir::separator());
    }
    return {};
}

class Parser {
  public:
    explicit Parser(const QStringList& arguments) {
        for (const OptionSpec& spec : kOptions) {
            options_.emplace_back(spec.names, QString(), spec.valueName);
            parser_.addOption(options_.back());
        }
        ok_ = parser_.parse(arguments);
    }

    ParsedCommand parse() {
        ParsedCommand command;
        if (!ok_) {
            return usage(parser_.errorText());
        }
        if (isSet(Help)) {
            command.action = ParsedCommand::Action::Help;
            return command;
        }
        if (isSet(Version)) {
            command.action = ParsedCommand::Action::Version;
            return command;
        }
        ThumbOptions& o = command.options;
        o.pictures = parser_.positionalArguments();
        if (o.pictures.isEmpty()) {
            return usage(QStringLiteral("no pictures given"));
        }
        o.jobs = std::clamp(QThread::idealThreadCount(), 1, kMaxJobs);
        for (const auto reader :
             {&Parser::readValues, &Parser::readNaming, &Parser::readDestination}) {
            if (const QString error = (this->*reader)(o); !error.isEmpty()) {
                return usage(error);
            }
        }
        if (o.naming.mode == engine::NameMode::Number &&
            o.number > std::numeric_limits<qint32>::max() - (o.pictures.size() - 1)) {
            return usage(QStringLiteral("--number %1 would count past %2 for %3 pictures")
                             .arg(o.number)
                             .arg(std::numeric_limits<qint32>::max())
                             .arg(o.pictures.size()));
        }
        o.landscape = isSet(Landscape);
        o.overwrite = isSet(Overwrite);
        command.action = ParsedCommand::Action::Run;
        return command;
    }

  private:
    bool isSet(Option option) const { return parser_.isSet(options_[option]); }
    QString value(Option option) const { return parser_.value(options_[option]); }

    static ParsedCommand usage(const QString& error) {
        ParsedCommand command;
        command.action = ParsedCommand::Action::UsageError;
        command.error = error;
        return command;
    }

    // Each reader returns an error text, empty when its options are good.
    QString readValues(ThumbOptions& o) const {
        struct Limit {
            Option option;
            const char* what;
            int low, high;
            int* target;
        };
        const Limit limits[] = {
            {Width, "width", 1, kMaxWidth, &o.width},
            {Height, "height", 1, kMaxHeight, &o.height},
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
            const QString type = value(Type).toLower();
            if (type == QLatin1String("jpg")) {
                o.type = ThumbType::Jpg;
            } else if (type == QLatin1String("bmp")) {
                o.type = ThumbType::Bmp;
            } else if (type == QLatin1String("gif")) {
                o.type = ThumbType::Gif;
            } else {
                return QStringLiteral("type must be jpg, bmp or gif, not '%1'").arg(value(Type));
            }
        }
        return {};
    }

    QString readNaming(ThumbOptions& o) const {
        const int modes = int(isSet(Prefix)) + int(isSet(Suffix)) + int(isSet(Number));
        if (modes > 1) {
            return QStringLiteral("give only one of --prefix, --suffix and --number");
        }
        if (isSet(Prefix) || isSet(Suffix)) {
            o.naming.mode = isSet(Prefix) ? engine::NameMode::Prefix : engine::NameMode::Suffix;
            o.letters = value(isSet(Prefix) ? Prefix : Suffix);
            return lettersError(o.letters);
        }
        if (isSet(Number)) {
            o.naming.mode = engine::NameMode::Number;
            bool ok = false;
            o.number = value(Number).toInt(&ok, 10);
            if (!ok) {
                return QStringLiteral("--number needs a whole number, not '%1'").arg(value(Number));
            }
        }
        return {};
    }

    QString readDestination(ThumbOptions& o) const {
        if (isSet(Dest) == isSet(SameFolder)) {
            return isSet(Dest) ? QStringLiteral("give either --dest or --same-folder, not both")
                               : QStringLiteral("no destination: give -o DIR or --same-folder");
        }
        if (isSet(SameFolder)) {
            o.naming.location = engine::FileLocation::SourceFolder;
            return {};
        }
        if (value(Dest).isEmpty()) {
            return QStringLiteral("the destination folder name is empty");
        }
        o.naming.location = engine::FileLocation::SaveToFolder;
        o.destination = QDir::cleanPath(QFileInfo(value(Dest)).absoluteFilePath());
        return {};
    }

    QCommandLineParser parser_;
    std::vector<QCommandLineOption> options_;
    bool ok_ = false;
};

}  // namespace

QString extensionOf(ThumbType type) {
    switch (type) {
        case ThumbType::Bmp:
            return QStringLiteral(".bmp");
        case ThumbType::Gif:
            return QStringLiteral(".gif");
        case ThumbType::Jpg:
            break;
    }
    return QStringLiteral(".jpg");
}

ParsedCommand parseCommandLine(const QStringList& arguments) {
    return Parser(arguments).parse();
}

QString helpText() {
    return QStringLiteral(
        "Usage: corvel-thumb [options] PICTURE...\n"
        "Makes a thumbnail of each BMP, JPEG or GIF picture, stretched to exactly the given\n"
        "size by point sampling, as the Corvel window does.\n"
        "\n"
        "Size and type:\n"
        "  -W, --width PIXELS     thumbnail width, 1 to 280 (default 110)\n"
        "  -H, --height PIXELS    thumbnail height, 1 to 240 (default 130)\n"
        "      --landscape        swap width and height for pictures wider than tall\n"
        "  -t, --type TYPE        jpg, bmp or gif (default jpg); gif files hold JPEG data\n"
        "  -q, --quality PERCENT  JPEG quality, 1 to 100 (default 100)\n"
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
        "Exit status: 0 all thumbnails written, 1 some failed or were skipped,\n"
        "2 bad usage or unusable destination.\n"
        "\n"
        "Example:\n"
        "  corvel-thumb -W 120 -H 90 --suffix _th -o ~/web/thumbs ~/Pictures/*.jpg\n");
}

QString versionText() {
    return QStringLiteral("corvel-thumb " CORVEL_VERSION "\n");
}

}  // namespace thumb
