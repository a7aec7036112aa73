#pragma once
// The main window `Form1`: the borderless 532 x 181 pixel window with every control of the day
// view, the step buttons, the search and lookup controls and the toggles of the three panels.
// It owns the form-level state and wires each control's events to an event procedure; the
// procedures live in form1_*.cpp, one file per part of the window, and call the core library
// for every rule of the calendar. A run of the day view draws the one day value the core
// computes (dayview::runDay).

#include "datacheck/data_check.h"
#include "dayview/day_view.h"
#include "dayview/overflow.h"
#include "dayview/proper_day.h"
#include "gui/form2.h"
#include "gui/form_label.h"
#include "navigation/step_repeat.h"
#include "navigation/step_state.h"
#include "platform/data_fault.h"
#include "search/text_search.h"

#include <QDate>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <memory>
#include <optional>

class Clock;
class Prompter;
class QLineEdit;
class QPlainTextEdit;
class QAction;
class QFileDialog;
class QFileSystemWatcher;
class QMenu;
class QPrintPreviewDialog;
class QUrl;
class QPushButton;

// The fonts the window names, mapped to those of this system. Process-wide: main() calls it
// once, before any window exists.
void registerFontSubstitutes();

class Form1 : public QWidget {
    Q_OBJECT
public:
    // `ruta` is the data directory (with its trailing separator); the clock and the prompter
    // are the application's own or a test's.
    Form1(const Clock& clock, QString ruta, Prompter& prompter, QWidget* parent = nullptr);
    ~Form1() override;

    // Whether the start also checks the data directory, once, on another thread (the window
    // keeps working meanwhile).
    enum class DataCheck { None, InBackground };

    // Starts the window's life: the years of the banner, the first run of the day view and the
    // clock. What the start of the program has to tell (`told`), the first run's fault, where
    // the notes are that an earlier run had to leave in a recovery copy and the first problems
    // the data check finds come in one message, each fault once, when the check is done.
    void start(const QStringList& told = {}, DataCheck check = DataCheck::None);

    // Each termination signal of the system. The first closes the window as the user would
    // (saving the notes, or asking the user when they cannot be written); a later one, while
    // the window is still open, writes the notes that could not be saved to a recovery copy
    // and ends the program.
    void terminationSignal();

    // --- Controls, by their names --------------------------------------------------------
    FormLabel* Label1;     // weekday
    FormLabel* Label2;     // clock
    FormLabel* Label3;     // banner
    FormLabel* Label4;     // year
    FormLabel* Label5;     // motto
    FormLabel* Label6;     // colour swatch
    FormLabel* Label7;     // season
    FormLabel* Label8;     // Sunday cycle
    FormLabel* Label9;     // movable celebration / lookup answer
    FormLabel* Label10;    // celebrations-list toggle
    FormLabel* Label11;    // week of the season
    FormLabel* Label12;    // heading over Label9
    FormLabel* Label13;    // notes toggle
    FormLabel* Label14;    // celebrations line
    FormLabel* Label15;    // month name
    FormLabel* Label16;    // month back
    FormLabel* Label17;    // month forward
    FormLabel* Label18;    // day back
    FormLabel* Label19;    // day forward
    FormLabel* Label20;    // overflow mark
    QPushButton* Command1; // close
    QPushButton* Command2; // today
    QPushButton* Command3; // minimise
    QPushButton* Command4; // new search
    QPushButton* Command5; // next search hit
    QPushButton* Command6; // legend toggle
    QPushButton* Command7; // celebration number and year
    QPushButton* Command8; // Masses for the dead
    QPushButton* Command9; // look the date up
    QLineEdit* Text1;      // search status
    QPlainTextEdit* Text2; // legend
    QPlainTextEdit* Text3; // notes
    QPlainTextEdit* Text4; // celebrations list
    QLabel* Image2;        // picture

    // --- Form-level state, read-only from outside ---------------------------------------
    const QString& ruta() const { return Ruta; }
    const QDate& fechaVista() const { return FechaVista; }
    const QString& datoCeleb() const { return DatoCeleb; }
    int pulsCeleb() const { return PulsCeleb; }
    int pulsSiglas() const { return PulsSiglas; }
    int pulsNotas() const { return PulsNotas; }
    const search::TextSearch& busqueda() const { return busqueda_; }

    Form2* form2() const { return form2_; }

    // --- Event procedures ----------------------------------------------------------------
    void Form_Activate();
    void Flech();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Label10_Click();
    void Label13_Click();
    void Label14_MouseMove();
    void Label16_MouseDown();
    void Label16_MouseUp();
    void Label17_MouseDown();
    void Label17_MouseUp();
    void Label18_MouseDown();
    void Label18_MouseUp();
    void Label19_MouseDown();
    void Label19_MouseUp();
    void Text2_Click();

    // --- The month on paper (form1_menu.cpp) ------------------------------------------------
    enum class SheetSpan { Month, Year };
    // The window's context menu, made anew each time it opens, its owner `parent`: print the
    // month shown and save it, or its year, as a PDF. Its entries are the window's actions, so
    // their shortcuts work with the menu closed.
    QMenu* buildContextMenu(QWidget* parent);
    // The first day of the month shown: the one leafed to, in the year of the day shown.
    QDate sheetMonth() const;
    // Ctrl+P: the print preview of the month's sheet, open (it prints from there).
    QPrintPreviewDialog* printMonth();
    // Ctrl+S, Ctrl+Mayús+S: the save dialog, open, proposing "Calendario litúrgico 2026-12.pdf"
    // or "Calendario litúrgico 2026.pdf" in the documents folder; the file it is given is
    // written with writeSheet.
    QFileDialog* saveSheet(SheetSpan span);
    // The proposed file of a span, with its folder.
    QString proposedSheetFile(SheetSpan span) const;
    // Writes the sheet to `path`, whole or not at all, then opens it with openDocument; the
    // fault the user was told, or "".
    QString writeSheet(SheetSpan span, const QString& path);
    // Opens a written sheet: the desktop's PDF viewer unless a test sets its own.
    std::function<void(const QUrl&)> openDocument;
    QAction* printAction = nullptr;     // "Imprimir el mes…"
    QAction* saveMonthAction = nullptr; // "Guardar el mes en PDF…"
    QAction* saveYearAction = nullptr;  // "Guardar el año en PDF…"

    // The width of a text in the font Label14 is drawn in, in twips.
    double textWidthTwips(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class Form1TestSeam; // the widget tests' access to state no control sets

    QString Ruta;          // the data directory
    QString properChoice_; // the proper calendar chosen: "", a shipped key or a path
    std::unique_ptr<dayview::ProperSchedule> proper_; // read at each run of today; none for none
    QString properFault_;                             // the last fault of reading it, told once
    QDate FechaVista;             // the date of the last run of the day view that succeeded
    StepState steps;              // Mes, Dia, ArchMes and the four step counts
    dayview::DayValue shown_;     // what the last run of the day view showed
    QString DatoCeleb;            // the answer typed at the number-and-year prompt
    int PulsCeleb = 0;            // clicks on Label10
    int PulsSiglas = 0;           // presses of Command6
    int PulsNotas = 0;            // clicks on Label13
    StepRepeat stepRepeat;        // the auto-repeat of a held step label and its flag `Suelto`
    search::TextSearch busqueda_; // TextoBusca, MesBusca, NumHallados, UltHallado

    void buildControls();
    void wireControls();
    void clockTick();
    void scheduleClockTick();
    // One run of the day view for `today` on `files`. Form_Activate is the run the
    // user starts; the clock's run at midnight and the retry after a fault leave the focus in a
    // text box.
    void runDayView(const QDate& today, const calendar::CalendarSource& files);
    void readProperCalendar();       // form1_proper.cpp
    void addProperMenu(QMenu* menu); // the "Calendario propio" submenu of the window's menu
    QString properName() const;      // the proper calendar followed, for the month sheet
    void automaticRun(const QDate& today);
    void watchDataFiles();
    void showDay();
    // Label14 shows `line`, the line of day `day` of `month` in the year of the last run.
    void showLine(const QString& line, int month, int day);
    void reportFault(const QString& message);
    void checkDataInBackground();
    // Tells the start's report with the data check's findings, when the report is still due.
    void tellStartReport(const QList<datacheck::Problem>& problems);
    // Saves an open notes panel; the fault when the user's text could not be written, else "".
    QString saveNotes();
    // Writes the open panel's text to a recovery copy; its path, or "" (the user is told).
    QString rescueNotes();
    // The same, recorded so that the next start tells the user where the copy is.
    bool rescueForNextStart();
    void closeNotesPanel();
    // Tells the user about the notes beside the box, with a beep and no dialog.
    void hintAtNotes(const QString& text);
    void wireNotesPanel();
    void wireEnding();
    // The notes cannot be written: the user stays, or ends with the text in a recovery copy.
    void offerWayOut(const QString& fault);
    // The notes cannot be written: asks `question` with the options "Seguir" and `leave`; on
    // `leave` writes the recovery copy and goes on with `left`, given the copy's path.
    void offerRecoveryCopy(const QString& fault, const QString& question, const QString& leave,
                           std::function<void(const QString& copy)> left);
    // Where the notes are that an earlier run had to leave in recovery copies, once.
    QStringList recoveredNotesMessages();
    void wireReturnFromForm2();
    void wireSheetActions();

    // --- Step buttons and text search (navigation/, search/) ---------------------------------
    using Step = StepState::Shown (StepState::*)();
    void pressStep(FormLabel* label, Step step);
    void releaseStep(FormLabel* label);
    void makeStep(Step step);
    void startSearch(const QString& answer);
    void searchPass();

    // --- Keyboard and screen readers (form1_accessibility.cpp) ------------------------------
    void makeAccessible();
    bool keyboardEvent(QObject* watched, QEvent* event);
    bool stepKey(QKeyEvent* event);
    void releaseStepKey();
    int heldStepKey_ = 0; // the arrow key holding a step label down, or 0

    const Clock& clock_;
    Prompter& prompter_;
    QTimer clockTimer_;
    QDate triedDate_;   // the date of the last run, whether it succeeded or not
    QString lineDate_;  // the date of the line Label14 shows, in words
    QString lastFault_; // the message of the last run that failed, until one succeeds
    // While the last run has failed: the data directory and its files, and the retry once
    // their changes have settled.
    std::unique_ptr<QFileSystemWatcher> dataWatcher_;
    QTimer retryTimer_;
    // What the start has to tell, held until the data check is done.
    struct StartReport {
        QStringList told;
        std::optional<DataFault> runFault;
    };
    std::optional<StartReport> startReport_;
    QPointer<Form2> form2_;
    bool fromForm2_ = false;    // the table was the active window until now
    bool notesRescued_ = false; // the panel's text, unchanged since, is in a recovery copy
    int terminationSignals_ = 0;
    QPoint dragOffset_;
    bool dragging_ = false;
};
