// The program's own message boxes and questions: Chinese buttons, default buttons and titles.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include <filesystem>

#include "GuiTestSupport.h"
#include "app/PrintLines.h"
#include "app/QtDialogs.h"

namespace quorvane::gui::test {
namespace {

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts.push_back(button->text());
    }
    texts.sort();
    return texts;
}

TEST(DialogService, BoxesNameTheirButtonsInChinese)
{
    const auto message = NewMessageBox(nullptr, QStringLiteral("标题"), QStringLiteral("文字"), false);
    EXPECT_EQ(ButtonTexts(*message), QStringList{QStringLiteral("确定")});
    EXPECT_EQ(message->windowTitle(), QStringLiteral("标题"));
    EXPECT_EQ(NewMessageBox(nullptr, QString(), QString(), true)->icon(), QMessageBox::Critical);

    const auto question = NewQuestionBox(nullptr, QStringLiteral("标题"), QStringLiteral("问题"), true,
                                         TAnswer::Cancel);
    QStringList expected{QStringLiteral("是"), QStringLiteral("否"), QStringLiteral("取消")};
    expected.sort();
    EXPECT_EQ(ButtonTexts(*question), expected);
}

TEST(DialogService, QuestionsPressTheirDefaultOnEnterAndCancelOnEscape)
{
    const auto cancelFirst = NewQuestionBox(nullptr, QString(), QString(), true, TAnswer::Cancel);
    EXPECT_EQ(cancelFirst->defaultButton(), cancelFirst->button(QMessageBox::Cancel));
    EXPECT_EQ(cancelFirst->escapeButton(), cancelFirst->button(QMessageBox::Cancel));

    const auto noFirst = NewQuestionBox(nullptr, QString(), QString(), false, TAnswer::No);
    EXPECT_EQ(noFirst->defaultButton(), noFirst->button(QMessageBox::No));
    EXPECT_EQ(noFirst->escapeButton(), noFirst->button(QMessageBox::No));
    EXPECT_EQ(noFirst->button(QMessageBox::Cancel), nullptr);

    // A Yes/No question cannot default to a Cancel it does not have.
    const auto yesNo = NewQuestionBox(nullptr, QString(), QString(), false, TAnswer::Cancel);
    EXPECT_EQ(yesNo->defaultButton(), yesNo->button(QMessageBox::No));
}

// A stand-in for the desktop's launcher that records what it was asked to open and answers with
// the exit status given.
class TFakeLauncher
{
public:
    explicit TFakeLauncher(int status)
    {
        const std::string script = m_dir.File("xdg-open");
        quorvane::test::WriteBytes(script, "#!/bin/sh\necho \"$1\" > '" + m_dir.File("asked") + "'\nexit " +
                                               std::to_string(status) + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        m_path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(m_dir.Path().string()) + ":" + m_path);
    }
    ~TFakeLauncher() { qputenv("PATH", m_path); }
    std::string Asked() const { return quorvane::test::ReadBytes(m_dir.File("asked")); }

private:
    quorvane::test::TempDir m_dir;
    QByteArray m_path;
};

TEST(DialogService, OpeningAnAddressTellsWhetherTheDesktopHadAHandler)
{
    TQtDialogs dialogs;
    {
        TFakeLauncher opens(0);
        EXPECT_TRUE(dialogs.TryOpenUrl(QUrl(QStringLiteral("https://quorvane.example.org/"))));
        EXPECT_EQ(opens.Asked(), "https://quorvane.example.org/\n");
    }
    {
        // xdg-open's status when no program handles the address.
        TFakeLauncher noHandler(3);
        EXPECT_FALSE(dialogs.TryOpenUrl(QUrl::fromLocalFile(QStringLiteral("/tmp/帮助 文件.txt"))));
        EXPECT_EQ(noHandler.Asked(), "/tmp/帮助 文件.txt\n"); // a local file goes as its path
    }
}

// The boxes of every word pdftotext finds, in points from the page's top-left corner.
struct TWordBox
{
    double Left, Top, Right, Bottom;
};

std::vector<TWordBox> PdfWordBoxes(const QString& pdf, double* pageWidth, double* pageHeight)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(10000);
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    const QRegularExpressionMatch size = page.match(html);
    *pageWidth = size.captured(1).toDouble();
    *pageHeight = size.captured(2).toDouble();
    std::vector<TWordBox> boxes;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        boxes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return boxes;
}

TEST(DialogService, PrintingKeepsTenMillimetresFromEveryEdge)
{
    quorvane::test::TempDir out;
    const QString pdf = QString::fromStdString(out.File("list.pdf"));
    QStringList lines;
    for (int i = 0; i < 150; ++i) { // several pages
        lines.push_back(QStringLiteral("第%1行 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25")
                            .arg(i + 1));
    }
    TScriptedDialogs dialogs;
    dialogs.ExpectPrintToPdf(pdf);
    PrintLines(dialogs, QStringLiteral("Quorvane"), lines, 12);

    double width = 0;
    double height = 0;
    const std::vector<TWordBox> boxes = PdfWordBoxes(pdf, &width, &height);
    ASSERT_GT(boxes.size(), 150u);
    ASSERT_GT(width, 0);
    const double margin = 10.0 / 25.4 * 72.0 - 0.5; // 10 mm in points, less rounding
    for (const TWordBox& box : boxes) {
        ASSERT_GE(box.Left, margin);
        ASSERT_GE(box.Top, margin);
        ASSERT_LE(box.Right, width - margin);
        ASSERT_LE(box.Bottom, height - margin);
    }
    EXPECT_EQ(PdfLines(pdf).size(), 151);

    // Wider margins of the printer are kept as they are.
    QPrinter printer;
    printer.setPageMargins(QMarginsF(25, 5, 5, 30), QPageLayout::Millimeter);
    KeepPrintMargins(printer);
    const QMarginsF kept = printer.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_NEAR(kept.left(), 25, 0.1);
    EXPECT_NEAR(kept.top(), 10, 0.1);
    EXPECT_NEAR(kept.right(), 10, 0.1);
    EXPECT_NEAR(kept.bottom(), 30, 0.1);
}

} // namespace
} // namespace quorvane::gui::test
