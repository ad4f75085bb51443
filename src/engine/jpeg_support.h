// SPDX-License-Identifier: MIT
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace engine::jpeg {

// libjpeg reports fatal errors through a callback that must not return: it jumps back to the
// setjmp of the function driving the codec. Those functions keep only plain data on their own
// frame, so the jump skips no destructor. Warnings (corrupt data) are not printed. The error
// that jumped is kept as libjpeg's code and text.
struct ErrorHandler {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    int code;  // a J_MESSAGE_CODE, or one of the codes below
    char message[JMSG_LENGTH_MAX];
};

// Installs `handler` on a compress or decompress struct (before its jpeg_create_*).
jpeg_error_mgr* installErrorHandler(ErrorHandler& handler);

// Ends the codec's work from inside libjpeg (a progress monitor) with `code`.
[[noreturn]] void fail(j_common_ptr codec, int code);

}  // namespace engine::jpeg
