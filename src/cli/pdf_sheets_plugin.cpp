// orvantel-dia-pdf: the plugin that draws orvantel-dia's month sheets (see pdf_sheets.h), from
// the sheet library on Qt Gui.

#include "pdf_sheets.h"

#include "platform/data_fault.h"
#include "sheet/month_sheet.h"

#include <QGuiApplication>
#include <QObject>

namespace {

class PdfSheetsPlugin : public QObject, public pdfsheets::PdfSheets {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ORVANTEL_PDF_SHEETS_IID)
    Q_INTERFACES(pdfsheets::PdfSheets)

public:
    std::unique_ptr<QCoreApplication> application(int& argc, char** argv) const override {
        return std::make_unique<QGuiApplication>(argc, argv);
    }

    QByteArray document(const pdfsheets::SheetJob& job, QString& fault) const override {
        try {
            sheet::SheetOptions options;
            options.dataFolder = sheet::editedDataName(job.ruta);
            options.printed = job.printed;
            options.properCalendar = job.properName;
            return sheet::pdfDocument(
                sheet::monthPages(job.first, job.last, *job.readings, job.proper), options);
        } catch (const DataFault& dataFault) {
            fault = dataFault.message();
            return {};
        }
    }
};

} // namespace

#include "pdf_sheets_plugin.moc"
