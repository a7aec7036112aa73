#include "gui/qt_prompter.h"

#include "gui/twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

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

void QtPrompter::choose(const QString& text, const QStringList& options,
                        std::function<void(int)> chosen) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::NoButton, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& option : options)
        buttons.append(box->addButton(option, QMessageBox::AcceptRole));
    if (!buttons.isEmpty()) {
        box->setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box->setEscapeButton(buttons.first());
    }
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, buttons, chosen = std::move(chosen)](int) {
                         const auto index = buttons.indexOf(box->clickedButton());
                         if (chosen)
                             chosen(index < 0 ? 0 : static_cast<int>(index));
                     });
    box->open();
}
