// SPDX-License-Identifier: MIT
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace testing_support {

void ScriptedDialogs::answer(platform::Answer answer, const QString& expectTitle) {
    reply(Reply{answer, {}, expectTitle, 0, {}});
}

const ScriptedDialogs::Reply* ScriptedDialogs::takeReply(const QString& title, bool required,
                                                         Reply& storage) {
    if (script_.empty() || (!script_.front().expectTitle.isEmpty() &&
                            script_.front().expectTitle != title && !required)) {
        if (required) {
            ADD_FAILURE() << "no scripted answer for the box \"" << title.toStdString() << "\"";
        }
        return nullptr;
    }
    storage = std::move(script_.front());
    script_.pop_front();
    if (!storage.expectTitle.isEmpty() && storage.expectTitle != title) {
        ADD_FAILURE() << "scripted answer for \"" << storage.expectTitle.toStdString()
                      << "\" given to the box \"" << title.toStdString() << "\"";
    }
    if (storage.whileOpen) {
        storage.whileOpen();
    }
    if (storage.openMs > 0) {
        loop_.runUntil(loop_.tickCount() + storage.openMs - 1);
    }
    return &storage;
}

platform::Answer ScriptedDialogs::message(const QString& text, const QString& title,
                                          platform::Icon icon, platform::Buttons buttons) {
    shown.push_back({text, title, icon, buttons});
    const bool yesNo = buttons == platform::Buttons::YesNo;
    Reply storage;
    const Reply* reply = takeReply(title, yesNo, storage);
    if (!yesNo) {
        return platform::Answer::Ok;
    }
    return reply ? reply->answer : platform::Answer::No;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& /*defaultText*/) {
    inputs.push_back({prompt, title, platform::Icon::None, platform::Buttons::Ok});
    Reply storage;
    const Reply* reply = takeReply(title, true, storage);
    return reply ? reply->text : QString();
}

QStringList ScriptedDialogs::titles() const {
    QStringList list;
    for (const Box& box : shown) {
        list << box.title;
    }
    return list;
}

int ScriptedDialogs::countTitled(const QString& title) const {
    return static_cast<int>(titles().count(title));
}

void ScriptedDialogs::verifyAndReset() {
    for (const Reply& left : script_) {
        ADD_FAILURE() << "scripted answer never asked for"
                      << (left.expectTitle.isEmpty()
                              ? std::string()
                              : " (box \"" + left.expectTitle.toStdString() + "\")");
    }
    script_.clear();
    shown.clear();
    inputs.clear();
    beeps = 0;
}

}  // namespace testing_support
