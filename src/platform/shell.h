// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace platform {

// Window styles of a started program, as the desktop names them.
enum class WindowStyle {
    Hidden,
    NormalFocus,
    MinimizedFocus,
    MaximizedFocus,
    NormalNoFocus,
    MinimizedNoFocus
};

// Starting programs and handing documents and folders to the desktop. Each call says whether
// the thing could be started; none waits for it, and no shell interpreter ever sees the text.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool startCommand(const QString& commandLine, WindowStyle style) = 0;
    virtual bool openDocument(const QString& documentOrAddress) = 0;
    virtual bool showFolder(const QString& folder) = 0;
};

struct CommandLine {
    QString program;
    QStringList arguments;
};

// A command line whose program path comes first and is not quoted: the shortest
// space-separated prefix that names an executable file is the program, the rest are its
// arguments (split at blanks, double quotes grouping). A quoted program path is taken as
// quoted. Nothing is expanded: metacharacters stay literal.
std::optional<CommandLine> splitCommandLine(
    const QString& commandLine, const std::function<bool(const QString&)>& isExecutable);

bool isExecutableFile(const QString& path);

// What the document opener hands the desktop for `documentOrAddress`: an address with a
// scheme (https:, mailto:) when it is a valid one, else an existing file; none otherwise.
std::optional<QUrl> documentUrl(const QString& documentOrAddress);

}  // namespace platform
