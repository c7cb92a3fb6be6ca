#include <gtest/gtest.h>

#include "app/MainForm.h"

using quorvane::gui::TMainForm;

TEST(MainForm, OpensWithTheProgramCaption)
{
    TMainForm form;
    form.show();
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Quorvane  V2010  ")));
    EXPECT_GE(form.width(), 300);
}
