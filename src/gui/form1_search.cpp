// The text search ("Buscar", " Buscar siguiente" and the status box Text1) and the date of a
// movable celebration (the list toggle Label10, the prompt of Command7 and the lookup of
// Command9). The scan and the lookup live in the core; the window asks, shows and moves focus.

#include "calendar_data/calendar_files.h"
#include "gui/accessible_names.h"
#include "gui/colours.h"
#include "gui/form1.h"
#include "gui/twips.h"
#include "platform/data_fault.h"
#include "platform/prompter.h"
#include "platform/text_file.h"
#include "search/movable_lookup.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kSearchPrompt =
    QStringLiteral("Escriba algunos caracteres identificativos de la cadena a buscar :");

void setStatusStyle(QLineEdit* box, const QColor& colour, bool bold) {
    QPalette p = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text, colour);
    box->setPalette(p);
    QFont font = box->font();
    font.setBold(bold);
    box->setFont(font);
}

} // namespace

void Form1::startSearch(const QString& answer) {
    busqueda_.begin(answer);
    Text1->clear();
    Command5->setFocus();
    if (busqueda_.textoBusca().isEmpty())
        Command6->setFocus();
}

void Form1::Command4_Click() {
    prompter_.ask(kSearchPrompt, busqueda_.textoBusca(),
                  [this](const QString& answer) { startSearch(answer); });
}

void Form1::Command5_Click() {
    if (busqueda_.begun()) {
        searchPass();
        return;
    }
    // Before any "Buscar" there is no text to look for: the button asks for one as "Buscar"
    // does and makes the first pass with it. A cancelled question leaves everything as it was.
    prompter_.ask(kSearchPrompt, QString(), [this](const QString& answer) {
        if (answer.isEmpty()) {
            Command6->setFocus();
            return;
        }
        startSearch(answer);
        searchPass();
    });
}

void Form1::searchPass() {
    // A held step label is disabled now and would never see its release.
    stepRepeat.stop();
    for (FormLabel* step : {Label16, Label17, Label18, Label19}) {
        step->setBoxed(true);
        step->setEnabled(false);
    }
    Text1->setEnabled(true);
    setStatusStyle(Text1, QColor(250, 0, 0), true);
    Text1->setText(QStringLiteral(" Buscando"));
    for (FormLabel* field : {Label1, Label6, Label7, Label8, Label9, Label11})
        field->clear();
    for (FormLabel* field : {Label8, Label11}) {
        field->setToolTip(QString());
        field->setAccessibleDescription(QString());
    }
    Label6->setBackground(colours::kOffGrey);
    Label6->setAccessibleDescription(accessibility::swatchDescription(QString()));

    std::optional<search::FoundDay> found;
    std::optional<DataFault> fault;
    try {
        found = busqueda_.next(Ruta);
    } catch (const DataFault& f) {
        fault = f;
    }
    if (found) {
        showLine(found->line, found->month, found->day);
        Label15->setText(calendar::nomMes().at(found->month - 1));
    }

    setStatusStyle(Text1, QColor(0, 0, 0), false);
    Text1->setText(QStringLiteral(" Hallados :") + textfile::blankNumber(busqueda_.numHallados()));
    Text1->setEnabled(false);
    Command5->setFocus();
    if (fault) {
        reportFault(fault->message());
        Command6->setFocus();
    } else if (!found) {
        prompter_.tell(QStringLiteral("Terminó la búsqueda en el Virovedude"),
                       [this] { Command6->setFocus(); });
    }
}

void Form1::Label10_Click() {
    ++PulsCeleb;
    if (PulsCeleb % 2 == 1) {
        Label10->setBackground(QColor(0, 150, 0));
        Label10->setText(QStringLiteral("Ocultar celebraciones"));
        Text4->setVisible(true);
        Text4->resize(twips::size(2300, 1500)); // the top-left corner stays
    } else {
        Label10->setBackground(colours::kOffGrey);
        Label10->setText(QStringLiteral("Ver celebraciones"));
        Text4->setVisible(false);
    }
}

void Form1::Command7_Click() {
    prompter_.ask(QStringLiteral("Escriba el nº ('Ver celebraciones') y año de la celebración "
                                 "buscada (Ej.: 06/09).  Pulse después en  'Ver fecha "
                                 "celebración'. Aparecerá el año, día y mes."),
                  QString(), [this](const QString& answer) { DatoCeleb = answer; });
}

void Form1::Command9_Click() {
    Label9->setText(lookup::dateOf(Ruta, DatoCeleb));
}
