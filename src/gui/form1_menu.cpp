// The month on paper from the window: the context menu and the shortcuts that print the sheet
// of the month shown, or save it or its year as a PDF (sheet/month_sheet.h lays them out).

#include "gui/form1.h"

#include "calendar_data/calendar_source.h"
#include "calendar_data/day_readings.h"
#include "platform/clock.h"
#include "platform/data_fault.h"
#include "platform/prompter.h"
#include "sheet/month_sheet.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The sheets of `first` .. `last` from the data in `ruta`, read once.
QList<sheet::MonthPage> pagesOf(const QString& ruta, const QDate& first, const QDate& last,
                                const dayview::ProperSchedule* proper) {
    const calendar::MemorySource source(ruta);
    const calendar::DayReadings readings(source, true);
    return sheet::monthPages(first, last, readings, proper);
}

// Why a sheet could not be written to `path`, in the user's words.
QString writeFailure(const QString& path, bool opened) {
    const QFileInfo info(path);
    QString why;
    if (opened)
        why = QStringLiteral("No cupo en el disco o el disco dejó de responder.");
    else if (!info.absoluteDir().exists())
        why = QStringLiteral("No existe la carpeta \"%1\".")
                  .arg(QDir::toNativeSeparators(info.absolutePath()));
    else if (info.isDir())
        why = QStringLiteral("Ese nombre es el de una carpeta.");
    else
        why = QStringLiteral("No hay permiso para escribir en la carpeta o en el archivo.");
    return why + QStringLiteral(" Un archivo que ya hubiera con ese nombre queda como estaba.");
}

sheet::SheetOptions optionsFor(const QString& ruta, const QDate& today, const QString& proper) {
    sheet::SheetOptions options;
    options.dataFolder = sheet::editedDataName(ruta);
    options.properCalendar = proper;
    options.printed = today;
    return options;
}

} // namespace

void Form1::wireSheetActions() {
    openDocument = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    const auto action = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* made = new QAction(text, this);
        made->setShortcut(keys);
        made->setShortcutContext(Qt::WindowShortcut);
        connect(made, &QAction::triggered, this, slot);
        addAction(made); // its shortcut works with the menu closed
        return made;
    };
    printAction = action(QStringLiteral("Imprimir el mes…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                         [this] { printMonth(); });
    saveMonthAction = action(QStringLiteral("Guardar el mes en PDF…"),
                             QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
                                 // In the notes box Ctrl+S is the habit of saving a text:
                                 // the notes are saved as they are typed, and no dialog opens.
                                 if (!Text3->hasFocus())
                                     saveSheet(SheetSpan::Month);
                             });
    saveYearAction = action(QStringLiteral("Guardar el año en PDF…"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                            [this] { saveSheet(SheetSpan::Year); });
}

QMenu* Form1::buildContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("menuVentana"));
    menu->setAccessibleName(QStringLiteral("Menú de Orvantel"));
    menu->addAction(printAction);
    menu->addSeparator();
    menu->addAction(saveMonthAction);
    menu->addAction(saveYearAction);
    menu->addSeparator();
    addProperMenu(menu);
    return menu;
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = buildContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

QDate Form1::sheetMonth() const {
    const QDate shown = FechaVista.isValid() ? FechaVista : clock_.today();
    return QDate(shown.year(), steps.ready() ? steps.shownMonth() : shown.month(), 1);
}

QPrintPreviewDialog* Form1::printMonth() {
    const QDate first = sheetMonth();
    QList<sheet::MonthPage> pages;
    try {
        pages = pagesOf(Ruta, first, first.addMonths(1).addDays(-1), proper_.get());
    } catch (const DataFault& fault) {
        prompter_.tell(fault.message());
        return nullptr;
    }
    auto* dialog = new QPrintPreviewDialog(this);
    dialog->setObjectName(QStringLiteral("vistaPrevia"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(sheet::documentTitle(pages));
    QPrinter* printer = dialog->printer();
    printer->setDocName(sheet::documentTitle(pages));
    printer->setCreator(QStringLiteral("Orvantel"));
    sheet::prepareDevice(*printer);
    const sheet::SheetOptions options = optionsFor(Ruta, clock_.today(), properName());
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [pages, options](QPrinter* target) {
                QPainter painter(target);
                sheet::paintPages(painter, *target, pages, options);
            });
    // Its own size is a narrow strip with the print button out of sight: most of the screen.
    if (const QScreen* screen = this->screen())
        dialog->resize(screen->availableSize() * 0.8);
    dialog->open();
    return dialog;
}

QString Form1::proposedSheetFile(SheetSpan span) const {
    const QDate month = sheetMonth();
    const QString name = span == SheetSpan::Month
                             ? QStringLiteral("Calendario litúrgico %1.pdf")
                                   .arg(month.toString(QStringLiteral("yyyy-MM")))
                             : QStringLiteral("Calendario litúrgico %1.pdf").arg(month.year());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A new account may have no Documents folder yet; the dialog would then open in the working
    // folder, wherever the program was started from.
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

QFileDialog* Form1::saveSheet(SheetSpan span) {
    auto* dialog =
        new QFileDialog(this, span == SheetSpan::Month ? QStringLiteral("Guardar el mes en PDF")
                                                       : QStringLiteral("Guardar el año en PDF"));
    dialog->setObjectName(QStringLiteral("guardarHoja"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("Documentos PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    const QString proposed = proposedSheetFile(span);
    dialog->setDirectory(QFileInfo(proposed).absolutePath());
    dialog->selectFile(QFileInfo(proposed).fileName());
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, span](const QString& path) { writeSheet(span, path); });
    dialog->open();
    return dialog;
}

QString Form1::writeSheet(SheetSpan span, const QString& path) {
    const QDate month = sheetMonth();
    const QDate first = span == SheetSpan::Month ? month : QDate(month.year(), 1, 1);
    const QDate last =
        span == SheetSpan::Month ? month.addMonths(1).addDays(-1) : QDate(month.year(), 12, 31);
    QString fault;
    try {
        const QByteArray pdf = sheet::pdfDocument(pagesOf(Ruta, first, last, proper_.get()),
                                                  optionsFor(Ruta, clock_.today(), properName()));
        QSaveFile file(path);
        const bool opened = file.open(QIODevice::WriteOnly);
        if (!opened || file.write(pdf) != pdf.size() || !file.commit())
            fault =
                DataFault(DataFault::Kind::WriteFailed, path, writeFailure(path, opened)).message();
    } catch (const DataFault& dataFault) {
        fault = dataFault.message();
    }
    if (!fault.isEmpty()) {
        prompter_.tell(fault);
        return fault;
    }
    openDocument(QUrl::fromLocalFile(path));
    return {};
}
