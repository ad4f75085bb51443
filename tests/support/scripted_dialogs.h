// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"
#include "support/virtual_event_loop.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

// Message boxes answered from a script. Boxes with only OK need no script; a Yes/No box or an
// input box without a scripted answer fails the test. A scripted answer can keep its box
// "open" for a while (virtual time passes, timers tick) and run an action meanwhile.
class ScriptedDialogs : public platform::Dialogs {
  public:
    struct Box {
        QString text;
        QString title;
        platform::Icon icon;
        platform::Buttons buttons;
    };
    struct Reply {
        platform::Answer answer = platform::Answer::Ok;
        QString text;         // for input boxes
        QString expectTitle;  // empty: any box
        quint32 openMs = 0;   // virtual time the box stays open
        std::function<void()> whileOpen;
    };

    explicit ScriptedDialogs(VirtualEventLoop& loop) : loop_(loop) {}

    platform::Answer message(const QString& text, const QString& title, platform::Icon icon,
                             platform::Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    void beep() override { ++beeps; }

    // Queue the answer of the next Yes/No box (or of the next box with `title`).
    void answer(platform::Answer answer, const QString& expectTitle = {});
    void reply(Reply reply) { script_.push_back(std::move(reply)); }
    void answerInput(const QString& text) { reply(Reply{platform::Answer::Ok, text, {}, 0, {}}); }

    // Titles of the boxes shown, in order.
    QStringList titles() const;
    int countTitled(const QString& title) const;
    // Fails the test for every scripted answer nobody asked for; clears the record.
    void verifyAndReset();

    std::vector<Box> shown;
    std::vector<Box> inputs;
    int beeps = 0;

  private:
    const Reply* takeReply(const QString& title, bool required, Reply& storage);

    VirtualEventLoop& loop_;
    std::deque<Reply> script_;
};

}  // namespace testing_support
