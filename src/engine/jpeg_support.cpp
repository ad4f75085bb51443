// SPDX-License-Identifier: MIT
#include "engine/jpeg_support.h"

namespace engine::jpeg {

namespace {

[[noreturn]] void jumpOut(j_common_ptr codec) {
    auto* handler = reinterpret_cast<ErrorHandler*>(codec->err);
    handler->code = handler->manager.msg_code;
    (*handler->manager.format_message)(codec, handler->message);
    std::longjmp(handler->jump, 1);
}

void stayQuiet(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* installErrorHandler(ErrorHandler& handler) {
    jpeg_error_mgr* manager = jpeg_std_error(&handler.manager);
    manager->error_exit = jumpOut;
    manager->output_message = stayQuiet;
    handler.code = 0;
    handler.message[0] = '\0';
    return manager;
}

void fail(j_common_ptr codec, int code) {
    auto* handler = reinterpret_cast<ErrorHandler*>(codec->err);
    handler->code = code;
    handler->message[0] = '\0';
    std::longjmp(handler->jump, 1);
}

}  // namespace engine::jpeg
