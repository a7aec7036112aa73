#pragma once
// The month sheets of orvantel-dia's `--formato pdf`, drawn by a plugin of their own
// (orvantel-dia-pdf) that orvantel-dia loads only for that format: the plugin brings Qt Gui,
// its fonts and its painting, which the other formats never need and never load.
// This header is the plugin's interface and stays on Qt Core.

#include "calendar_data/day_readings.h"
#include "dayview/proper_day.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QtPlugin>

#include <memory>

namespace pdfsheets {

// One document: the days first .. last, run from `readings` over the proper calendar
// `proper` (when not null) and named `properName` in the sheets' header.
struct SheetJob {
    QDate first;
    QDate last;
    const calendar::DayReadings* readings = nullptr;
    const dayview::ProperSchedule* proper = nullptr;
    QString properName;
    QString ruta; // the data folder, named in the header when its files are edited
    QDate printed;
};

// What the plugin does for orvantel-dia.
class PdfSheets {
public:
    virtual ~PdfSheets() = default;
    // The application that painting needs (a QGuiApplication), made in place of orvantel-dia's
    // own.
    virtual std::unique_ptr<QCoreApplication> application(int& argc, char** argv) const = 0;
    // The PDF document of `job`. A data fault of a day comes back as its message in `fault`,
    // with an empty document: nothing is thrown across the plugin's boundary.
    virtual QByteArray document(const SheetJob& job, QString& fault) const = 0;
};

} // namespace pdfsheets

#define ORVANTEL_PDF_SHEETS_IID "org.orvantel.OrvantelDia.PdfSheets/1"
Q_DECLARE_INTERFACE(pdfsheets::PdfSheets, ORVANTEL_PDF_SHEETS_IID)
