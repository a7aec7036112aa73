#include "gui/form2.h"

#include "gui/accessible_names.h"
#include "gui/colours.h"
#include "gui/twips.h"
#include "panels/panel_texts.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

constexpr QSize kClientSize = twips::size(3975, 4095);

} // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Clases de Misas de Difuntos : Permisividad"));
    setFixedSize(kClientSize);
    setPalette(colours::fixedPalette());

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(QRect(QPoint(0, 0), kClientSize));
    // "Arial" 8.25 point: 11 pixels at the usual screen density.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    Text1->setFont(font);
    QPalette p = Text1->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(p);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The box fills the window, whose own frame surrounds it, with a narrow margin: the heading
    // line, some 259 pixels wide, then fits on one line above its columns.
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->document()->setDocumentMargin(2);
    Text1->setPlainText(panels::deadMassText());
    accessibility::setAccessibleNames(this);
}

void Form2::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form2::Form_Unload() {
    Q_EMIT unloaded();
}
