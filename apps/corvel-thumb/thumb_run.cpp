#include "thumb_run.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/naming.h"
#include "platform/path_style.h"
#include "thumb_output.h"

namespace thumb {

namespace {

constexpr auto kProgram = "corvel-thumb: ";

class Reporter {
  public:
    Reporter(Console console, int total) : console_(console), total_(total) {}

    void written(const QString& line) { print(console_.out, line); }
    void failed(const QString& line) { print(console_.err, QLatin1String(kProgram) + line); }

    void progress(int done) {
        done_ = done;
        drawBar();
    }

    void summary(int written) {
        clearBar();
        console_.progressBar = false;
        console_.out << written << " written, " << (total_ - written) << " failed\n";
        console_.out.flush();
    }

  private:
    void print(QTextStream& stream, const QString& line) {
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
        console_.err << "\r[" << QString(filled, QLatin1Char('#'))
                     << QString(kBarWidth - filled, QLatin1Char('.')) << "] " << done_ << '/'
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
};

// A path as the file system knows it, symbolic links resolved, whether the file exists yet
// or not: a name compares equal before and after its thumbnail is written.
QString identityOf(const QString& absolutePath) {
    const QFileInfo info(absolutePath);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty()) {
        return canonical;
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? absolutePath : QDir(folder).filePath(info.fileName());
}

// Decodes and samples the pictures on worker threads, handing the results over in input
// order, so names (and running numbers) are given exactly as a sequential run gives them.
// Only a few finished thumbnails wait at a time, whatever the number of pictures. A single
// picture is made on the calling thread: there is nothing to overlap, and a thread costs more
// than a small thumbnail.
class OrderedRenderer {
  public:
    OrderedRenderer(const QStringList& paths, const ThumbOptions& options)
        : paths_(paths), options_(options), results_(paths.size()) {
        const int workers =
            paths.size() > 1 ? std::min<int>(options.jobs, static_cast<int>(paths.size())) : 0;
        window_ = static_cast<qsizetype>(workers) * 4;
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
    RenderedPicture take(qsizetype index) {
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
    RenderedPicture render(qsizetype index) const {
        return renderPicture(paths_[index], options_.width, options_.height, options_.landscape);
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
            const qsizetype index = next_++;
            lock.unlock();
            RenderedPicture result = render(index);
            lock.lock();
            results_[index] = std::move(result);
            lock.unlock();
            changed_.notify_all();
        }
    }

    const QStringList& paths_;
    const ThumbOptions& options_;
    std::vector<std::optional<RenderedPicture>> results_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    qsizetype next_ = 0;
    qsizetype taken_ = 0;
    qsizetype window_ = 1;
    bool stopping_ = false;
};

class ThumbRun {
  public:
    ThumbRun(const ThumbOptions& options, Reporter& reporter)
        : options_(options), reporter_(reporter) {
        row_ = {options.destination, {}, options.letters, extensionOf(options.type)};
        runningNumber_ = options.number;
        for (const QString& picture : options.pictures) {
            paths_.append(QDir::cleanPath(QFileInfo(picture).absoluteFilePath()));
            inputs_.insert(identityOf(paths_.back()), paths_.size() - 1);
        }
    }

    // The number of thumbnails written.
    int run() {
        {
            OrderedRenderer renderer(paths_, options_);
            for (qsizetype i = 0; i < paths_.size(); ++i) {
                commit(i, renderer.take(i));
                reporter_.progress(static_cast<int>(i + 1));
            }
        }
        for (const Deferred& deferred : deferred_) {
            write(deferred.index, deferred.thumbnail, deferred.name);
        }
        return written_;
    }

  private:
    struct Deferred {
        qsizetype index;
        engine::RgbImage thumbnail;
        QString name;
    };

    const QString& given(qsizetype index) const { return options_.pictures[index]; }

    void fail(qsizetype index, const QString& why) {
        reporter_.failed(given(index) + QStringLiteral(": ") + why);
    }

    // Names and writes one picture, in input order.
    void commit(qsizetype index, const RenderedPicture& picture) {
        if (picture.thumbnail.isNull()) {
            fail(index, picture.error);
            return;
        }
        const platform::PathStyle& style = platform::PathStyle::host();
        const auto prepared =
            engine::prepareName(style, paths_[index], options_.naming, row_, runningNumber_);
        if (prepared.status == engine::NameStatus::PathTooLong) {
            fail(index, QStringLiteral("the path has more than %1 '/' and cannot be named")
                            .arg(engine::kMaxPathSeparators));
            return;
        }
        row_ = prepared.row;
        const QString name = engine::composeName(style, row_, options_.naming);
        if (options_.naming.mode == engine::NameMode::Number) {
            runningNumber_ = engine::nextRunningNumber(runningNumber_);
        }
        const QString identity = identityOf(name);
        if (const auto claimed = claimed_.constFind(identity); claimed != claimed_.cend()) {
            fail(index, QStringLiteral("not written: %1 is already the thumbnail of %2")
                            .arg(name, given(*claimed)));
            return;
        }
        const QList<qsizetype> sameAsInput = inputs_.values(identity);
        if (!sameAsInput.isEmpty() && !options_.overwrite) {
            fail(index, QStringLiteral("refused: %1 is an input picture (use --overwrite to "
                                       "replace it)")
                            .arg(name));
            return;
        }
        if (!options_.overwrite && QFileInfo::exists(name)) {
            skipExisting(index, name);
            return;
        }
        claimed_.insert(identity, index);
        // A picture still to be read must not find a thumbnail in its place.
        for (const qsizetype input : sameAsInput) {
            if (input > index) {
                deferred_.push_back({index, picture.thumbnail, name});
                return;
            }
        }
        write(index, picture.thumbnail, name);
    }

    void skipExisting(qsizetype index, const QString& name) {
        fail(index, QStringLiteral("skipped: %1 exists (use --overwrite to replace it)").arg(name));
    }

    void write(qsizetype index, const engine::RgbImage& thumbnail, const QString& name) {
        const WriteResult result = writeThumbnailFile(thumbnail, name, options_.type,
                                                      options_.quality, options_.overwrite);
        switch (result.status) {
            case WriteResult::Status::Written:
                ++written_;
                reporter_.written(QStringLiteral("%1 -> %2 (%3x%4)")
                                      .arg(given(index), name)
                                      .arg(thumbnail.width())
                                      .arg(thumbnail.height()));
                return;
            case WriteResult::Status::Exists:
                skipExisting(index, name);
                return;
            case WriteResult::Status::Failed:
                break;
        }
        fail(index, QStringLiteral("cannot write %1: %2").arg(name, result.error));
    }

    const ThumbOptions& options_;
    Reporter& reporter_;
    QStringList paths_;                      // absolute, in input order
    QMultiHash<QString, qsizetype> inputs_;  // identity -> input index
    QHash<QString, qsizetype> claimed_;      // identity of a name given this run -> input
    std::vector<Deferred> deferred_;
    engine::NameRow row_;
    qint32 runningNumber_ = 0;
    int written_ = 0;
};

// Save-to folder mode: the folder is made when missing. An error text when it is unusable.
QString prepareDestination(const ThumbOptions& options) {
    if (options.naming.location != engine::FileLocation::SaveToFolder) {
        return {};
    }
    const QFileInfo info(options.destination);
    if (info.exists() && !info.isDir()) {
        return QStringLiteral("the destination is not a folder: %1").arg(options.destination);
    }
    if (!info.exists() && !QDir().mkpath(options.destination)) {
        return QStringLiteral("cannot create the destination folder %1").arg(options.destination);
    }
    return {};
}

}  // namespace

int makeThumbnails(const ThumbOptions& options, Console console) {
    if (const QString error = prepareDestination(options); !error.isEmpty()) {
        console.err << kProgram << error << '\n';
        console.err.flush();
        return kUsageError;
    }
    const int total = static_cast<int>(options.pictures.size());
    Reporter reporter(console, total);
    reporter.progress(0);
    const int written = ThumbRun(options, reporter).run();
    reporter.summary(written);
    return written == total ? kAllWritten : kSomeFailed;
}

int runCommand(const QStringList& arguments, Console console) {
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
