#include "gui/form1_proper.h"

#include "gui/form1.h"
#include "platform/user_settings.h"
#include "proper/proper_calendar.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

void fillProperMenu(QMenu* menu, const QString& current, QWidget* parent,
                    const std::function<void(const QString&)>& choose) {
    auto* group = new QActionGroup(menu);
    const auto add = [&](const QString& text, const QString& choice, bool checked) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [choose, choice] { choose(choice); });
        return action;
    };
    add(QStringLiteral("Ninguno (calendario nacional)"), QString(), current.isEmpty());
    bool shipped = current.isEmpty();
    for (const proper::Shipped& s : proper::shippedPropers()) {
        add(s.name, s.key, s.key == current);
        shipped = shipped || s.key == current;
    }
    menu->addSeparator();
    const QString own =
        shipped ? QStringLiteral("Archivo propio…")
                : QStringLiteral("Archivo propio: %1…").arg(QFileInfo(current).fileName());
    QAction* file = add(own, current, !shipped);
    QObject::disconnect(file, &QAction::triggered, menu, nullptr);
    QObject::connect(file, &QAction::triggered, parent, [parent, choose, current] {
        auto* dialog = new QFileDialog(parent, QStringLiteral("Calendario propio"),
                                       QFileInfo(current).absolutePath(),
                                       QStringLiteral("Calendarios (*.txt);;Todos (*)"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::ExistingFile);
        QObject::connect(dialog, &QFileDialog::fileSelected, parent,
                         [choose](const QString& path) { choose(path); });
        dialog->open();
    });
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            action->setToolTip(action->text());
}

void Form1::addProperMenu(QMenu* menu) {
    QMenu* propio = menu->addMenu(QStringLiteral("Calendario propio"));
    propio->setAccessibleName(QStringLiteral("Calendario propio"));
    fillProperMenu(propio, properChoice_, this, [this](const QString& choice) {
        UserSettings settings;
        proper::storeChoice(settings, choice);
        properChoice_ = choice;
        Form_Activate();
    });
}

QString Form1::properName() const {
    return proper_ ? proper::displayName(properChoice_) : QString();
}

void Form1::readProperCalendar() {
    proper_.reset();
    if (properChoice_.isEmpty())
        return;
    // Read afresh at each run of today, so that an edit to the file shows; a faulty line is
    // passed over (the data check names it), a file that cannot be read leaves the national
    // calendar and is told once.
    try {
        proper_ = std::make_unique<dayview::ProperSchedule>(
            proper::readProper(proper::properPath(properChoice_, Ruta)));
        properFault_.clear();
    } catch (const DataFault& fault) {
        if (fault.message() != properFault_) {
            properFault_ = fault.message();
            QMetaObject::invokeMethod(
                this, [this, text = properFault_] { reportFault(text); }, Qt::QueuedConnection);
        }
    }
}
