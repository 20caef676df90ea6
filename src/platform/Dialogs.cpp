#include "platform/Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace stratagon {

void QtDialogs::message(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

}  // namespace stratagon
