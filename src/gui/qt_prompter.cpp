#include "gui/qt_prompter.h"

#include "gui/twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

void QtPrompter::ask(const QString& prompt, const QString& defaultAnswer, QPoint placeTwips,
                     std::function<void(const QString&)> done) {
    auto* dialog = new QInputDialog(parent_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowTitle(QApplication::applicationDisplayName());
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultAnswer);
    // Long prompts wrap inside a dialog of a readable width instead of running off the screen.
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    dialog->setFixedWidth(420);
    dialog->move(twips::point(placeTwips));
    QObject::connect(dialog, &QInputDialog::finished, dialog,
                     [dialog, done = std::move(done)](int result) {
                         done(result == QDialog::Accepted ? dialog->textValue() : QString());
                     });
    dialog->open();
}

void QtPrompter::tell(const QString& text, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText); // file names and quoted lines as they are
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)](int) {
        if (closed)
            closed();
    });
    box->open();
}
