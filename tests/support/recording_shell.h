// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

#include <QString>

#include <deque>
#include <vector>

namespace testing_support {

// Records what would have been started or opened; each call succeeds unless a failure was
// scripted for it.
class RecordingShell : public platform::Shell {
  public:
    enum class Kind { Command, Document, Folder };
    struct Call {
        Kind kind;
        QString text;
        platform::WindowStyle style = platform::WindowStyle::NormalFocus;
    };

    bool startCommand(const QString& commandLine, platform::WindowStyle style) override {
        return record({Kind::Command, commandLine, style});
    }
    bool openDocument(const QString& document) override {
        return record({Kind::Document, document});
    }
    bool showFolder(const QString& folder) override { return record({Kind::Folder, folder}); }

    // The next calls answer these results, in order; then success again.
    void scriptResults(std::initializer_list<bool> results) {
        results_.insert(results_.end(), results);
    }
    void reset() {
        calls.clear();
        results_.clear();
    }

    std::vector<Call> calls;

  private:
    bool record(Call call) {
        calls.push_back(std::move(call));
        if (results_.empty()) {
            return true;
        }
        const bool result = results_.front();
        results_.pop_front();
        return result;
    }
    std::deque<bool> results_;
};

}  // namespace testing_support
