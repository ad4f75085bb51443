#pragma once

#include <QByteArray>
#include <QString>

namespace engine {

// Puts `bytes` in the file `path`, replacing any file of that name only once they are all
// written (through a temporary file beside it, renamed over it), so a failed write leaves
// the old file as it was. A symbolic link is followed, a replaced file keeps its permissions.
// Where no temporary file can be made beside it, an existing file is overwritten in place.
// There is no flush to disk: thumbnails can be made again, and a sync per file would cost
// more than making one.
bool replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace engine
