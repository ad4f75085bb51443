// SPDX-License-Identifier: MIT
#include "engine/qt/label_text.h"

#include <gtest/gtest.h>

namespace {

struct LabelCase {
    const engine::LabelRule* rule;
    int length;
    bool shortened;
    int shownLength;
};

TEST(LabelText, LabelShorteningRules) {
    const LabelCase cases[] = {
        {&engine::kSourceFileLabel, 46, false, 46}, {&engine::kSourceFileLabel, 47, true, 45},
        {&engine::kDestPathLabel, 46, false, 46},   {&engine::kDestPathLabel, 80, true, 45},
        {&engine::kPathLabel, 46, false, 46},       {&engine::kPathLabel, 47, true, 45},
        {&engine::kFileNameTrunk, 50, false, 50},   {&engine::kFileNameTrunk, 51, true, 50},
    };
    for (const auto& c : cases) {
        // Distinct characters, so the kept head and tail can be told apart.
        QString text;
        for (int i = 0; i < c.length; ++i) {
            text += QChar(u'A' + i);
        }
        const QString shown = engine::shortenLabel(text, *c.rule);
        SCOPED_TRACE(c.length);
        EXPECT_EQ(shown.size(), c.shownLength);
        if (c.shortened) {
            EXPECT_EQ(shown, text.left(c.rule->head) + c.rule->middle + text.right(c.rule->tail));
        } else {
            EXPECT_EQ(shown, text);
        }
    }
    EXPECT_EQ(engine::shortenLabel(QString(51, 'x'), engine::kFileNameTrunk),
              QString(23, 'x') + "... " + QString(23, 'x'));
}

}  // namespace
