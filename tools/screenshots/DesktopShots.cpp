#include "DesktopShots.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/QtDialogs.h"
#include "app/QtText.h"
#include "history/DataPage.h"

namespace quorvane::gui {

namespace {

// Shows a dialog without its own event loop, saves its picture and closes it.
void ShowAndSave(QWidget& dialog, const QString& name, const std::function<void(QWidget&, const QString&)>& save)
{
    dialog.show();
    QApplication::processEvents();
    save(dialog, name);
    dialog.close();
}

} // namespace

void TakeDesktopShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save)
{
    const QString title = MainCaption();
    ShowAndSave(*NewQuestionBox(&form, title, ToQ(kSaveChangesQuestion), true, TAnswer::Cancel), QStringLiteral("quit-question"),
                save);
    ShowAndSave(*NewQuestionBox(&form, title, ToQ(kEmptySaveQuestion), false, TAnswer::No),
                QStringLiteral("empty-save-question"), save);

    // The import's file dialog, Qt's own (the desktop's would not show offscreen).
    QFileDialog files(&form, QString(), form.ProgramFolder(), QtNameFilter(QStringLiteral("文本文件|*.txt")));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setFileMode(QFileDialog::ExistingFile);
    files.resize(760, 480);
    ShowAndSave(files, QStringLiteral("file-dialog"), save);

    QPrinter printer;
    QPrintDialog print(&printer, &form);
    ShowAndSave(print, QStringLiteral("print-dialog"), save);

    TAboutForm about(form.Dialogs(), &form, form.DataFilePath());
    ShowAndSave(about, QStringLiteral("about-data-file"), save);

    save(*form.MainTbr, QStringLiteral("main-toolbar"));
}

} // namespace quorvane::gui
