#pragma once

#include "views/PageControl.h"

namespace quorvane::gui {

// The common chart pages, in page order: the page index is what the menu "图表分析(&F)" (page 0)
// and the jump buttons of the shrink pages use.
inline constexpr TPageSpec kGridPages[] = {
    {"ExTabSheet1", "红球走势图"},
    {"ExTabSheet2", "区域分布图"},
    {"ExTabSheet3", "尾号走势图"},
    {"ExTabSheet4", "奇偶走势图"},
    {"ExTabSheet5", "尾数大小走势图"},
    {"ExTabSheet22", "大小走势图"},
    {"ExTabSheet6", "空行空列图"},
    {"ExTabSheet7", "红球统计图"},
    {"ExTabSheet8", "旋转图"},
    {"ExTabSheet9", "蓝球走势图"},
    {"ExTabSheet10", "蓝球统计图"},
    {"ExTabSheet11", "遗漏统计图"},
    {"ExTabSheet12", "江恩图"},
    {"ExTabSheet13", "统计分析表"},
    {"ExTabSheet14", "各行出球走势图"},
    {"ExTabSheet15", "各列出球走势图"},
    {"ExTabSheet16", "3D各行出球"},
    {"ExTabSheet17", "3D各列出球"},
    {"ExTabSheet18", "3D空行空列"},
    {"ExTabSheet19", "尾数行列各行出球"},
    {"ExTabSheet20", "尾数行列各列出球"},
    {"ExTabSheet21", "尾数行列空行空列"},
    {"ExTabSheet23", "间距走势图"},
    {"ExTabSheet24", "按位分析图"},
    {"ExTabSheet25", "间距分析图"},
};

// Page indices named by the jump buttons of the shrink pages.
inline constexpr int kRedTrendPage = 0;       // "红球走势图"
inline constexpr int kZoneSplitPage = 1;      // "区域分布图"
inline constexpr int kTailTrendPage = 2;      // "尾号走势图"
inline constexpr int kRedFrequencyPage = 7;   // "红球统计图"
inline constexpr int kBlueTrendPage = 9;      // "蓝球走势图"
inline constexpr int kBlueFrequencyPage = 10; // "蓝球统计图"

// The page control GridPctl of the common charts.
TPageControl* NewGridPctl(QWidget* parent);

} // namespace quorvane::gui
