#pragma once

#include <string>
#include <vector>

#include <QString>

#include "GuiTestSupport.h"
#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"
#include "views/ShrinkPanel.h"

class QWidget;

namespace quorvane::gui::test {

// A program started on a demo history and showing the shrink panel.
class ShrinkPanelFixture : public ::testing::Test
{
protected:
    void Start(int draws = 120)
    {
        program.Start(DemoDataText(draws));
        program.Form().show();
        program.Form().ScaleMenuClick();
    }

    TShrinkPanel& Panel() { return *program.Form().RcmPanel; }
    QString MemoText();
    void Click(const char* toolButton);
    void ClickButton(const char* pushButton);
    // Sets a control the way a user would see it: a check box, a picker (the captions joined by
    // ","), a selector (by "#"), a range ("min,max"), a list (the item index), an edit (the text).
    void SetControl(const std::string& name, const std::string& value);
    // Cell j of a picker on or off.
    void SetCell(const std::string& name, int cell, bool on);
    // Loads a condition file through "条件导入" and saves the conditions through "条件导出".
    void LoadThroughButton(const std::string& path);
    void SaveThroughButton(const std::string& path);

    TProgram program;
};

} // namespace quorvane::gui::test
