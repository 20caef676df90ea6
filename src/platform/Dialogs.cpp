// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include "platform/WindowStyle.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace stratagon {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("Dialogs", text); }

// The standard buttons in the game's language, whatever translation the
// system offers.
void germanButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Dialogs", "OK")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Dialogs", "Ja")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("Dialogs", "Nein")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Dialogs", "Abbrechen")}};
    for (const auto& [button, text] : texts)
        if (QAbstractButton* b = box.button(button))
            b->setText(translated(text));
}

// Centred over the window that asks, placed before it is shown: a window
// manager that has not yet mapped that window would otherwise put the
// question in a corner of the screen.
int shownOver(QDialog& box, QWidget* parent)
{
    if (parent)
        centreOver(box, parent);
    return box.exec();
}

}  // namespace

void QtDialogs::message(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    germanButtons(box);
    shownOver(box, parent);
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    germanButtons(box);
    return shownOver(box, parent) == QMessageBox::Yes;
}

Answer QtDialogs::questionWithCancel(QWidget* parent, const QString& text, const QString& title,
                                     const AnswerTexts& buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.setEscapeButton(QMessageBox::Cancel);
    germanButtons(box);
    for (const auto& [button, caption] : {std::pair(QMessageBox::Yes, buttons.yes), std::pair(QMessageBox::No, buttons.no),
                                          std::pair(QMessageBox::Cancel, buttons.cancel)})
        if (!caption.isEmpty())
            box.button(button)->setText(caption);
    switch (shownOver(box, parent)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title, const QString& preset)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    dialog.setOkButtonText(QCoreApplication::translate("Dialogs", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("Dialogs", "Abbrechen"));
    return shownOver(dialog, parent) == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    // Qt's own dialog, so that its texts follow the game's language whatever the system offers.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QCoreApplication::translate("Dialogs", "Ordner :"));
    dialog.setLabelText(QFileDialog::FileName, QCoreApplication::translate("Dialogs", "Dateiname :"));
    dialog.setLabelText(QFileDialog::FileType, QCoreApplication::translate("Dialogs", "Dateityp :"));
    dialog.setLabelText(QFileDialog::Accept, QCoreApplication::translate("Dialogs", "Speichern"));
    dialog.setLabelText(QFileDialog::Reject, QCoreApplication::translate("Dialogs", "Abbrechen"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                   : QString();
}

}  // namespace stratagon
