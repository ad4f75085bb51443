// SPDX-License-Identifier: MIT
#pragma once

#include "platform/path_style.h"
#include "platform/user_folders.h"

#include <QString>

// Folder ids the program asks for, as the desktop numbers them.
constexpr int kFolderDocuments = 5;
constexpr int kFolderPictures = 39;

// The special folder's path followed by exactly one separator, ready to have a file name
// appended, or empty text when the folder cannot be located.
QString GetSpecialFolder(const platform::SpecialFolders& folders, const platform::PathStyle& paths,
                         int id);
