#include "platform/data_fault.h"

#include <QDir>

QString DataFault::message() const {
    const QString file = QDir::toNativeSeparators(path_);
    QString text;
    switch (kind_) {
    case Kind::NotFound:
        text = QStringLiteral("No se encuentra el archivo \"%1\".").arg(file);
        break;
    case Kind::PastEnd:
        text = QStringLiteral("El archivo \"%1\" es demasiado corto: se leyó más allá de su final.")
                   .arg(file);
        break;
    case Kind::BadDate:
        text = QStringLiteral("El archivo \"%1\" contiene una fecha que no es válida.").arg(file);
        break;
    case Kind::WriteFailed:
        text = QStringLiteral("No se pudo escribir el archivo \"%1\".").arg(file);
        break;
    case Kind::NotRegular:
        text = QStringLiteral("\"%1\" no es un archivo normal y no se lee.").arg(file);
        break;
    case Kind::Unreadable:
        text = QStringLiteral("No se puede leer el archivo \"%1\".").arg(file);
        break;
    case Kind::TooLarge:
        text = QStringLiteral("El archivo \"%1\" es demasiado grande para ser un archivo de datos.")
                   .arg(file);
        break;
    case Kind::LineTooLong:
        text = QStringLiteral("El archivo \"%1\" tiene una línea demasiado larga.").arg(file);
        break;
    case Kind::CrLineEnds:
        text = QStringLiteral("El archivo \"%1\" usa finales de línea CR sin LF; guárdelo con "
                              "finales de línea CR LF.")
                   .arg(file);
        break;
    }
    if (!detail_.isEmpty())
        text += QLatin1Char('\n') + detail_;
    return text;
}
