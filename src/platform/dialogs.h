// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Modal boxes and the beep. A box lets window events run while it is open.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // The text typed, or empty text when the box was cancelled.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText = {}) = 0;
    virtual void beep() = 0;
};

}  // namespace platform
