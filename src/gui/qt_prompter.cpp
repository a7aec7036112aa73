#include "gui/qt_prompter.h"

#include "gui/window_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// A prompt that fits this width stays on one line; a longer one wraps onto two or three lines
// of at least this width.
constexpr int kOneLineWidth = 460;
constexpr int kLines = 3;

// The width of a prompt's text: one line when it is short, else a third of it.
int promptWidth(const QLabel* label) {
    const int whole = QFontMetrics(label->font()).horizontalAdvance(label->text());
    if (whole <= kOneLineWidth)
        return whole;
    // A few pixels per line for the words that do not fill it.
    return std::max(kOneLineWidth, static_cast<int>(std::ceil(whole / double(kLines))) + 40);
}

// Shows a dialog, centred over the window that opened it, once its size is known.
void openCentred(QDialog* dialog, const QWidget* over) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    placement::centreOnShow(dialog, over ? over->window() : nullptr);
    dialog->open();
}

} // namespace

void QtPrompter::ask(const QString& prompt, const QString& defaultAnswer,
                     std::function<void(const QString&)> done) {
    auto* dialog = new QInputDialog(parent_);
    dialog->setWindowTitle(QApplication::applicationDisplayName());
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultAnswer);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMinimumWidth(promptWidth(label));
    }
    QObject::connect(dialog, &QInputDialog::finished, dialog,
                     [dialog, done = std::move(done)](int result) {
                         done(result == QDialog::Accepted ? dialog->textValue() : QString());
                     });
    openCentred(dialog, parent_);
}

void QtPrompter::tell(const QString& text, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent_);
    box->setTextFormat(Qt::PlainText); // file names and quoted lines as they are
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)](int) {
        if (closed)
            closed();
    });
    openCentred(box, parent_);
}

void QtPrompter::choose(const QString& text, const QStringList& options,
                        std::function<void(int)> chosen) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::NoButton, parent_);
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
    openCentred(box, parent_);
}
