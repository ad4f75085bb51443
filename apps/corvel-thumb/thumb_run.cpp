// SPDX-License-Identifier: MIT
#include "thumb_run.h"

#include <sys/stat.h>

#include <climits>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "engine/file_write.h"
#include "engine/naming.h"
#include "platform/path_style.h"
#include "thumb_output.h"

namespace thumb {

namespace {

constexpr auto kProgram = "corvel-thumb: ";

class Reporter {
  public:
    Reporter(Console console, int total) : console_(console), total_(total) {}

    void written(const std::string& line) { print(console_.out, line); }
    void failed(const std::string& line) {
        ++failed_;
        print(console_.err, kProgram + line);
    }
    void skipped(const std::string& line) {
        ++skipped_;
        print(console_.err, kProgram + line);
    }
    int failures() const { return failed_; }

    void progress(int done) {
        done_ = done;
        drawBar();
    }

    void summary(int written) {
        clearBar();
        console_.progressBar = false;
        console_.out << written << " written, " << skipped_ << " skipped, " << failed_
                     << " failed\n";
        console_.out.flush();
    }

  private:
    void print(std::ostream& stream, const std::string& line) {
        clearBar();
        stream << line << '\n';
        stream.flush();
        drawBar();
    }

    void drawBar() {
        if (!console_.progressBar) {
            return;
        }
        constexpr int kBarWidth = 30;
        const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
        console_.err << "\r[" << std::string(std::size_t(filled), '#')
                     << std::string(std::size_t(kBarWidth - filled), '.') << "] " << done_ << '/'
                     << total_;
        console_.err.flush();
    }

    void clearBar() {
        if (console_.progressBar) {
            console_.err << "\r\033[K";
            console_.err.flush();
        }
    }

    Console console_;
    int total_;
    int done_ = 0;
    int failed_ = 0;
    int skipped_ = 0;
};

// A name as it is printed: control characters (a newline, an escape) spelled out, so each
// report stays one line and cannot drive the terminal.
std::string printable(const std::string& name) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        // C1 controls are two bytes in UTF-8: 0xC2 0x80 to 0xC2 0x9F.
        const bool c1 = c == 0xC2 && i + 1 < name.size() &&
                        (static_cast<unsigned char>(name[i + 1]) & 0xE0) == 0x80;
        if (c >= 0x20 && c != 0x7F && !c1) {
            out += char(c);
            continue;
        }
        const auto escape = [&](unsigned char byte) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        };
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                escape(c);
                if (c1) {
                    escape(static_cast<unsigned char>(name[++i]));
                }
                break;
        }
    }
    return out;
}

// A path as the file system knows it, symbolic links resolved, whether the file exists yet
// or not: a name compares equal before and after its thumbnail is written.
std::string identityOf(const std::string& absolutePath) {
    char resolved[PATH_MAX];
    if (::realpath(absolutePath.c_str(), resolved) != nullptr) {
        return resolved;
    }
    const std::size_t slash = absolutePath.rfind('/');
    const std::string folder = absolutePath.substr(0, slash);
    if (slash == std::string::npos ||
        ::realpath(folder.empty() ? "/" : folder.c_str(), resolved) == nullptr) {
        return absolutePath;
    }
    const std::string resolvedFolder = resolved;
    return (resolvedFolder == "/" ? "" : resolvedFolder) + absolutePath.substr(slash);
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Decodes and samples the pictures on worker threads, handing the results over in input
// order, so names (and running numbers) are given exactly as a sequential run gives them.
// Only a few finished thumbnails wait at a time, whatever the number of pictures. A single
// picture is made on the calling thread: there is nothing to overlap, and a thread costs more
// than a small thumbnail.
class OrderedRenderer {
  public:
    OrderedRenderer(const std::vector<std::string>& paths, const ThumbOptions& options)
        : paths_(paths), options_(options), results_(paths.size()) {
        const int workers =
            paths.size() > 1 ? std::min<int>(options.jobs, static_cast<int>(paths.size())) : 0;
        window_ = static_cast<std::size_t>(workers) * 4;
        for (int i = 0; i < workers; ++i) {
            threads_.emplace_back([this] { work(); });
        }
    }

    ~OrderedRenderer() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    OrderedRenderer(const OrderedRenderer&) = delete;
    OrderedRenderer& operator=(const OrderedRenderer&) = delete;

    // The result of picture `index`; calls go 0, 1, 2, ...
    RenderedPicture take(std::size_t index) {
        if (threads_.empty()) {
            return render(index);
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return results_[index].has_value(); });
        RenderedPicture result = std::move(*results_[index]);
        results_[index].reset();
        taken_ = index + 1;
        lock.unlock();
        changed_.notify_all();
        return result;
    }

  private:
    RenderedPicture render(std::size_t index) const {
        return renderPicture(paths_[index], options_);
    }

    void work() {
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] {
                return stopping_ || next_ >= paths_.size() || next_ < taken_ + window_;
            });
            if (stopping_ || next_ >= paths_.size()) {
                return;
            }
            const std::size_t index = next_++;
            lock.unlock();
            RenderedPicture result = render(index);
            lock.lock();
            results_[index] = std::move(result);
            lock.unlock();
            changed_.notify_all();
        }
    }

    const std::vector<std::string>& paths_;
    const ThumbOptions& options_;
    std::vector<std::optional<RenderedPicture>> results_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t next_ = 0;
    std::size_t taken_ = 0;
    std::size_t window_ = 1;
    bool stopping_ = false;
};

class ThumbRun {
  public:
    ThumbRun(const ThumbOptions& options, Reporter& reporter)
        : options_(options), reporter_(reporter) {
        row_ = {options.destination, {}, options.letters, extensionOf(options.type)};
        runningNumber_ = options.number;
        for (const std::string& picture : options.pictures) {
            paths_.push_back(absoluteClean(picture));
            inputs_.emplace(identityOf(paths_.back()), paths_.size() - 1);
        }
    }

    // The number of thumbnails written.
    int run() {
        {
            OrderedRenderer renderer(paths_, options_);
            for (std::size_t i = 0; i < paths_.size(); ++i) {
                commit(i, renderer.take(i));
                reporter_.progress(static_cast<int>(i + 1));
            }
        }
        for (const Deferred& deferred : deferred_) {
            write(deferred.index, deferred.thumbnail, deferred.name, deferred.profile);
        }
        return written_;
    }

  private:
    struct Deferred {
        std::size_t index;
        engine::RgbImage thumbnail;
        std::string name;
        engine::Bytes profile;
    };

    std::string given(std::size_t index) const { return printable(options_.pictures[index]); }

    void fail(std::size_t index, const std::string& why) {
        reporter_.failed(given(index) + ": " + why);
    }

    // Names and writes one picture, in input order.
    void commit(std::size_t index, const RenderedPicture& picture) {
        if (picture.thumbnail.isNull()) {
            fail(index, picture.error);
            return;
        }
        const platform::PathStyle& style = platform::PathStyle::host();
        // The window's limit on deep source paths is kept where the thumbnail goes beside its
        // source; a destination folder takes the name alone, from a source at any depth.
        const bool beside = options_.naming.location == engine::FileLocation::SourceFolder;
        const auto prepared = engine::prepareName(style, paths_[index], options_.naming, row_,
                                                  runningNumber_, beside);
        if (prepared.status == engine::NameStatus::PathTooLong) {
            fail(index, "the path has more than " + std::to_string(engine::kMaxPathSeparators) +
                            " '/' and cannot be named");
            return;
        }
        row_ = prepared.row;
        const std::string name = engine::composeName(style, row_, options_.naming);
        if (options_.naming.mode == engine::NameMode::Number) {
            runningNumber_ = engine::nextRunningNumber(runningNumber_);
        }
        const std::string identity = identityOf(name);
        if (const auto claimed = claimed_.find(identity); claimed != claimed_.end()) {
            fail(index, "not written: " + printable(name) + " is already the thumbnail of " +
                            given(claimed->second));
            return;
        }
        const auto [sameAsInput, end] = inputs_.equal_range(identity);
        if (sameAsInput != end && !options_.overwrite) {
            fail(index, "refused: " + printable(name) +
                            " is an input picture (use --overwrite to replace it)");
            return;
        }
        if (!options_.overwrite && exists(name)) {
            skipExisting(index, name);
            return;
        }
        claimed_.emplace(identity, index);
        // A picture still to be read must not find a thumbnail in its place.
        for (auto input = sameAsInput; input != end; ++input) {
            if (input->second > index) {
                deferred_.push_back({index, picture.thumbnail, name, picture.profile});
                return;
            }
        }
        write(index, picture.thumbnail, name, picture.profile);
    }

    void skipExisting(std::size_t index, const std::string& name) {
        reporter_.skipped(given(index) + ": skipped: " + printable(name) +
                          " exists (use --overwrite to replace it)");
    }

    void write(std::size_t index, const engine::RgbImage& thumbnail, const std::string& name,
               const engine::Bytes& profile) {
        using Status = engine::WriteResult::Status;
        const engine::WriteResult result = writeThumbnailFile(thumbnail, name, options_, profile);
        switch (result.status) {
            case Status::Written:
                ++written_;
                reporter_.written(given(index) + " -> " + printable(name) + " (" +
                                  std::to_string(thumbnail.width()) + "x" +
                                  std::to_string(thumbnail.height()) + ")");
                return;
            case Status::Exists:
                skipExisting(index, name);
                return;
            case Status::Failed:
                break;
        }
        fail(index, "cannot write " + printable(name) + ": " + result.reason);
    }

    const ThumbOptions& options_;
    Reporter& reporter_;
    std::vector<std::string> paths_;                            // absolute, in input order
    std::unordered_multimap<std::string, std::size_t> inputs_;  // identity -> input index
    std::unordered_map<std::string, std::size_t> claimed_;      // identity of a name -> input
    std::vector<Deferred> deferred_;
    engine::NameRow row_;
    std::int32_t runningNumber_ = 0;
    int written_ = 0;
};

// Save-to folder mode: the folder is made when missing, and must take a new file before the
// first picture is read. An error text when it is unusable.
std::string prepareDestination(const ThumbOptions& options) {
    if (options.naming.location != engine::FileLocation::SaveToFolder) {
        return {};
    }
    const std::string shown = printable(options.destination);
    std::error_code error;
    const auto status = std::filesystem::status(options.destination, error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_directory(status)) {
            return "the destination is not a folder: " + shown;
        }
    } else {
        std::filesystem::create_directories(options.destination, error);
        if (error) {
            return "cannot create the destination folder " + shown + ": " + error.message();
        }
    }
    if (const std::string refusal = engine::folderRefusal(options.destination); !refusal.empty()) {
        return "cannot write in the destination folder " + shown + ": " + refusal;
    }
    return {};
}

}  // namespace

int makeThumbnails(const ThumbOptions& options, Console console) {
    if (const std::string error = prepareDestination(options); !error.empty()) {
        console.err << kProgram << error << '\n';
        console.err.flush();
        return kUsageError;
    }
    const int total = static_cast<int>(options.pictures.size());
    Reporter reporter(console, total);
    reporter.progress(0);
    const int written = ThumbRun(options, reporter).run();
    reporter.summary(written);
    return reporter.failures() == 0 ? kAllWritten : kSomeFailed;
}

int runCommand(const std::vector<std::string>& arguments, Console console) {
    const ParsedCommand command = parseCommandLine(arguments);
    switch (command.action) {
        case ParsedCommand::Action::Help:
            console.out << helpText();
            return kAllWritten;
        case ParsedCommand::Action::Version:
            console.out << versionText();
            return kAllWritten;
        case ParsedCommand::Action::UsageError:
            console.err << kProgram << command.error << '\n'
                        << "Try 'corvel-thumb --help' for more information.\n";
            return kUsageError;
        case ParsedCommand::Action::Run:
            break;
    }
    return makeThumbnails(command.options, console);
}

}  // namespace thumb
