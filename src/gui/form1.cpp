#include "gui/form1.h"

#include "calendar_data/calendar_files.h"
#include "datacheck/data_check.h"
#include "gui/colours.h"
#include "gui/form2.h"
#include "gui/twips.h"
#include "gui/wrap_button.h"
#include "panels/panel_texts.h"
#include "platform/clock.h"
#include "platform/data_fault.h"
#include "platform/prompter.h"
#include "platform/user_settings.h"
#include "proper/proper_calendar.h"
#include "search/movable_lookup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThreadPool>
#include <QWindow>

#include <algorithm>

namespace {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips::rect(left, top, width, height));
}

// 8.25 points at the usual screen density.
QFont windowFont(const QString& family, bool bold = false) {
    QFont font(family);
    font.setPixelSize(11);
    font.setBold(bold);
#ifdef Q_OS_WIN
    // Windows' own rasterizer, which the windows platform draws with, at its default full
    // hinting draws some glyphs of a substitute font empty at this size (wine's Liberation Sans:
    // the capital I at 11 pixels); vertical hinting draws them all.
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    return font;
}

QColor face() {
    return colours::kFace;
}

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

const QString kBanner = QStringLiteral(" Quessaral - Orvantel Español");

// The banner names the years the calendar data covers.
QString bannerText(const calendar::CalendarSource& data) {
    QString text = kBanner;
    try {
        if (const auto years = calendar::coveredYears(data))
            text += QStringLiteral(" %1-%2").arg(years->first).arg(years->last);
    } catch (const DataFault&) {
        // The first run of the day view names the fault.
    }
    return text;
}

// A window without a title bar. On macOS and Windows such a window can be minimised by the
// system only when it says it has the button, which it does not draw. On Windows a window
// without it is not minimised from the taskbar, and one that the window manager minimises all
// the same (wine) still counts as shown, so that a second start cannot bring it back.
Qt::WindowFlags form1Flags() {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
#if defined(Q_OS_MACOS) || defined(Q_OS_WIN)
    flags |= Qt::WindowMinimizeButtonHint;
#endif
    return flags;
}

} // namespace

void registerFontSubstitutes() {
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

Form1::Form1(const Clock& clock, QString ruta, Prompter& prompter, QWidget* parent)
    : QWidget(parent, form1Flags()), Ruta(std::move(ruta)), clock_(clock), prompter_(prompter) {
    setObjectName(QStringLiteral("Form1"));
    properChoice_ = proper::storedChoice(UserSettings()); // the national calendar when none
    setWindowTitle(QStringLiteral("Orvantel"));
    setFont(windowFont(QStringLiteral("MS Sans Serif")));
    setFixedSize(532, 181);
    // Before the controls exist, so that they inherit it.
    setPalette(colours::fixedPalette());
    setAutoFillBackground(true);
    buildControls();
    // Every caption is shown as written, never read as markup.
    for (QLabel* label : findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    wireControls();
    makeAccessible();
    wireSheetActions();
    clockTimer_.setSingleShot(true);
    clockTimer_.setTimerType(Qt::PreciseTimer);
    connect(&clockTimer_, &QTimer::timeout, this, &Form1::clockTick);
    connect(&retryTimer_, &QTimer::timeout, this, [this] {
        if (dataWatcher_)
            automaticRun(clock_.today());
    });
}

Form1::~Form1() = default;

void Form1::buildControls() {
    auto label = [this](FormLabel*& field, const char* name, const QString& text, int l, int t,
                        int w, int h, const QColor& bg, const QColor& fg, bool boxed) {
        field = new FormLabel(this);
        field->setObjectName(QLatin1String(name));
        field->setText(text);
        place(field, l, t, w, h);
        field->setColors(bg, fg);
        field->setBoxed(boxed);
    };
    auto button = [this](QPushButton*& field, const char* name, const QString& text, int l, int t,
                         int w, int h) {
        field = new WrapButton(text, this);
        field->setObjectName(QLatin1String(name));
        place(field, l, t, w, h);
    };

    label(Label3, "Label3", kBanner, 0, 0, 7455, 255, QColor(192, 0, 0), QColor(255, 255, 128),
          true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3->setCursor(Qt::SizeAllCursor);
    button(Command3, "Command3", QStringLiteral("\u2013"), 7440, 0, 255, 255);
    button(Command1, "Command1", QStringLiteral("\u00D7"), 7710, 0, 255, 255);
    for (QPushButton* glyph : {Command3, Command1})
        glyph->setFont(windowFont(QStringLiteral("DejaVu Sans"), true));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    // Through an icon, so that a high-density screen gets the double-size picture.
    Image2->setPixmap(QIcon(QStringLiteral(":/assets/image2.png"))
                          .pixmap(twips::size(720, 990), devicePixelRatioF()));
    place(Image2, 300, 360, 720, 990);

    const QColor arrowFg = kWhite;
    label(Label16, "Label16", QStringLiteral("\u25C4"), 3275, 300, 270, 255, face(), arrowFg, true);
    label(Label15, "Label15", {}, 3535, 300, 975, 255, kWhite, kRed, true);
    label(Label17, "Label17", QStringLiteral("\u25BA"), 4440, 300, 255, 255, face(), arrowFg, true);

    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    place(Text2, 6600, 360, 1215, 375);
    Text2->setFont(windowFont(QStringLiteral("Arial")));
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setReadOnly(true);
    Text2->setPlainText(panels::legendText());
    {
        QPalette p = Text2->palette();
        p.setColor(QPalette::Base, face());
        p.setColor(QPalette::Text, face());
        Text2->setPalette(p);
    }

    label(Label18, "Label18", QStringLiteral("\u25B2"), 1320, 600, 255, 255, face(), arrowFg, true);
    label(Label14, "Label14", {}, 1560, 720, 4935, 255, kWhite, kBlue, true);
    button(Command6, "Command6", QStringLiteral("Siglas"), 6840, 720, 690, 375);
    label(Label19, "Label19", QStringLiteral("\u25BC"), 1320, 840, 255, 255, face(), arrowFg, true);
    label(Label20, "Label20", {}, 6000, 975, 375, 255, face(), kWhite, false);
    Label20->setFont(windowFont(QStringLiteral("DejaVu Sans"), true));

    Text4 = new QPlainTextEdit(this);
    Text4->setObjectName(QStringLiteral("Text4"));
    place(Text4, 5640, 1080, 495, 285);
    Text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text4->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text4->setPlainText(lookup::celebrationsList());
    Text4->hide();

    label(Label2, "Label2", {}, 1320, 1200, 975, 255, kWhite, QColor(0, 192, 0), true);
    Label2->setFont(windowFont(QStringLiteral("MS Sans Serif"), true));
    label(Label12, "Label12", QStringLiteral("Celebraciones  concurrentes  movibles"), 2400, 1200,
          3255, 255, face(), kWhite, true);
    button(Command8, "Command8", QStringLiteral("Misa Difuntos"), 6665, 1200, 1095, 375);
    label(Label13, "Label13", QStringLiteral("Notas"), 5850, 1320, 495, 255, face(), kBlack, true);
    Label13->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    button(Command4, "Command4", QStringLiteral("Buscar"), 240, 1460, 855, 255);
    label(Label9, "Label9", {}, 2400, 1475, 3255, 255, kWhite, kBlue, true);
    label(Label1, "Label1", {}, 1320, 1560, 975, 255, kWhite, kRed, true);

    Text3 = new QPlainTextEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    place(Text3, 5865, 1600, 525, 285);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines wrap between words only: breaking a line anywhere costs time that grows with the
    // square of its length, and a notes file may be one line of a megabyte.
    Text3->setWordWrapMode(QTextOption::WordWrap);
    Text3->hide();

    button(Command7, "Command7", QStringLiteral("  Nº  y año celebración"), 2400, 1750, 975, 495);
    button(Command9, "Command9", QStringLiteral(" Ver fecha celebración"), 3480, 1750, 975, 495);
    label(Label10, "Label10", QStringLiteral("Ver celebraciones"), 4560, 1750, 1095, 495, face(),
          kBlack, true);
    Label10->setWordWrap(true);
    button(Command5, "Command5", QStringLiteral(" Buscar siguiente"), 240, 1760, 855, 495);
    label(Label4, "Label4", {}, 1320, 1800, 975, 255, kWhite, kRed, true);
    label(Label5, "Label5",
          QStringLiteral("        CRISTO           AYER         HOY          SIEMPRE"), 6000, 1800,
          1695, 615, QColor(0, 0, 192), kWhite, false);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setWordWrap(true);
    Label5->setFont(windowFont(QStringLiteral("MS Sans Serif"), true));
    button(Command2, "Command2", QStringLiteral("Día de hoy"), 1320, 2160, 975, 375);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, 120, 2280, 1095, 285);
    Text1->setEnabled(false);
    {
        QPalette p = Text1->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, kWhite);
            p.setColor(group, QPalette::Text, kBlack);
        }
        Text1->setPalette(p);
    }

    label(Label8, "Label8", {}, 2400, 2280, 600, 255, kWhite, kRed, true);
    label(Label6, "Label6", QStringLiteral("Color"), 3060, 2280, 495, 255, QColor(192, 192, 192),
          kBlack, true);
    label(Label7, "Label7", {}, 3630, 2280, 975, 255, kWhite, kRed, true);
    label(Label11, "Label11", {}, 4680, 2280, 975, 255, kWhite, kRed, true);

    // Panels drawn over their neighbours when shown.
    Text4->raise();
    Text3->raise();

    // Keyboard order; labels and the picture never take the focus.
    const QList<QWidget*> order = {Command6, Command2, Command1, Command3, Command4,
                                   Command5, Text1,    Text2,    Command8, Text3,
                                   Text4,    Command7, Command9};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    Command6->setFocus();
}

void Form1::wireControls() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Label10, &FormLabel::clicked, this, &Form1::Label10_Click);
    connect(Label13, &FormLabel::clicked, this, &Form1::Label13_Click);
    connect(Label14, &FormLabel::mouseMoved, this, &Form1::Label14_MouseMove);
    connect(Label16, &FormLabel::mouseDown, this, &Form1::Label16_MouseDown);
    connect(Label16, &FormLabel::mouseUp, this, &Form1::Label16_MouseUp);
    connect(Label17, &FormLabel::mouseDown, this, &Form1::Label17_MouseDown);
    connect(Label17, &FormLabel::mouseUp, this, &Form1::Label17_MouseUp);
    connect(Label18, &FormLabel::mouseDown, this, &Form1::Label18_MouseDown);
    connect(Label18, &FormLabel::mouseUp, this, &Form1::Label18_MouseUp);
    connect(Label19, &FormLabel::mouseDown, this, &Form1::Label19_MouseDown);
    connect(Label19, &FormLabel::mouseUp, this, &Form1::Label19_MouseUp);
    wireNotesPanel();
    wireReturnFromForm2();
    Text2->viewport()->installEventFilter(this);
    Label3->installEventFilter(this);
}

void Form1::start(const QStringList& told, DataCheck check) {
    startReport_ = StartReport{told, std::nullopt};
    // The banner and the first run read the files once between them.
    const calendar::MemorySource files(Ruta);
    Label3->setText(bannerText(files));
    runDayView(clock_.today(), files);
    Command6->setFocus();
    clockTick();
    startReport_->told.append(recoveredNotesMessages());
    if (check == DataCheck::InBackground)
        checkDataInBackground();
    else
        tellStartReport({});
}

void Form1::checkDataInBackground() {
    const QPointer<Form1> self(this);
    // The check reads the "propio-*.txt" of the data directory; the user's own file under
    // another name, or kept elsewhere, is checked with it.
    const QString properFile =
        properChoice_.isEmpty() ? QString() : proper::properPath(properChoice_, Ruta);
    QThreadPool::globalInstance()->start([self, ruta = Ruta, properFile] {
        QList<datacheck::Problem> problems = datacheck::checkDataDirectory(ruta);
        if (!properFile.isEmpty())
            problems += datacheck::checkChosenProper(ruta, properFile);
        QMetaObject::invokeMethod(
            qApp,
            [self, problems = std::move(problems)] {
                if (self)
                    self->tellStartReport(problems);
            },
            Qt::QueuedConnection);
    });
}

void Form1::tellStartReport(const QList<datacheck::Problem>& problems) {
    if (!startReport_)
        return;
    QStringList parts = startReport_->told;
    // The check names the run's fault with its line when the problems its message shows hold
    // the same file at fault; else the run's own message says why the day is not shown.
    if (const std::optional<DataFault>& fault = startReport_->runFault) {
        const QString file = QFileInfo(fault->path()).fileName();
        const auto shown =
            problems.cbegin() + std::min(problems.size(), qsizetype(datacheck::kProblemsShown));
        const bool named = std::any_of(problems.cbegin(), shown,
                                       [&file](const auto& p) { return p.file == file; });
        if (!named)
            parts.append(fault->message());
    }
    if (const QString found = datacheck::problemsMessage(problems, Ruta); !found.isEmpty())
        parts.append(found);
    startReport_.reset();
    if (!parts.isEmpty())
        prompter_.tell(parts.join(QStringLiteral("\n\n")));
}

double Form1::textWidthTwips(const QString& text) const {
    return QFontMetricsF(Label14->font()).horizontalAdvance(text) * twips::kPerPixel;
}

void Form1::reportFault(const QString& message) {
    prompter_.tell(message);
}

void Form1::paintEvent(QPaintEvent*) {
    // The frame of the borderless window: corners (0, 0) and (7970, 2700) twips.
    QPainter painter(this);
    painter.setPen(kBlack);
    painter.drawRect(0, 0, twips::px(7970), twips::px(2700));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (keyboardEvent(watched, event))
        return true;
    if (watched == Text2->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Text2_Click();
        return false;
    }
    if (watched == Label3) {
        // The banner drags the window, which has no title bar.
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return QWidget::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            // The window system moves the window where it can (on Wayland a window cannot move
            // itself); where it refuses, the window follows the pointer.
            dragging_ = !(windowHandle() && windowHandle()->startSystemMove());
            dragOffset_ = global - frameGeometry().topLeft();
        } else if (type == QEvent::MouseMove && dragging_) {
            move(global - dragOffset_);
        } else if (type == QEvent::MouseButtonRelease) {
            dragging_ = false;
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Command1_Click() {
    close();
}

void Form1::Command3_Click() {
    showMinimized();
}
