// The step buttons, the tooltip of the celebrations line and the today button. The counting
// rules live in StepState and the timing of a held button in StepRepeat; the window only feeds
// them presses and releases and shows what a step hands back.

#include "gui/form1.h"
#include "platform/data_fault.h"

#include <QLineEdit>
#include <QPushButton>

void Form1::pressStep(FormLabel* label, Step step) {
    label->setBoxed(false);
    if (!steps.ready())
        return; // no day has been shown yet: nothing to step from
    stepRepeat.press([this, step] { makeStep(step); });
}

void Form1::releaseStep(FormLabel* label) {
    label->setBoxed(true);
    stepRepeat.release();
}

void Form1::makeStep(Step step) {
    try {
        const StepState::Shown shown = (steps.*step)();
        if (shown.monthName)
            Label15->setText(*shown.monthName);
        showLine(shown.line, shown.month, shown.day);
    } catch (const DataFault& fault) {
        // One message, not one per pass of a held button.
        stepRepeat.stop();
        reportFault(fault.message());
    }
}

void Form1::Label16_MouseDown() {
    pressStep(Label16, &StepState::monthBack);
}
void Form1::Label16_MouseUp() {
    releaseStep(Label16);
}
void Form1::Label17_MouseDown() {
    pressStep(Label17, &StepState::monthForward);
}
void Form1::Label17_MouseUp() {
    releaseStep(Label17);
}
void Form1::Label18_MouseDown() {
    pressStep(Label18, &StepState::dayBack);
}
void Form1::Label18_MouseUp() {
    releaseStep(Label18);
}
void Form1::Label19_MouseDown() {
    pressStep(Label19, &StepState::dayForward);
}
void Form1::Label19_MouseUp() {
    releaseStep(Label19);
}

void Form1::Label14_MouseMove() {
    // The date the line belongs to; under it, by the same test as the overflow mark, the whole
    // line when it is wider than the label.
    QString tip = lineDate_;
    if (overflow::overflows(textWidthTwips(Label14->text())))
        tip += QLatin1Char('\n') + Label14->text();
    Label14->setToolTip(tip);
}

void Form1::Command2_Click() {
    Text1->clear();
    Command6->setFocus();
    Form_Activate();
}
