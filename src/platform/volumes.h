// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace platform {

// What the old desktop called drives: the mounted real file systems, the root first.
struct Volume {
    QString root;  // "/" or the mount point
    QString name;  // volume label, may be empty
};

class Volumes {
  public:
    virtual ~Volumes() = default;
    virtual QList<Volume> list() const = 0;
};

}  // namespace platform
