#include "proper/proper_calendar.h"

#include "calendar_data/calendar_files.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/text_file.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>

namespace proper {

namespace {

const QStringList& weekdayWords() {
    static const QStringList words = {
        QStringLiteral("dom"), QStringLiteral("lun"), QStringLiteral("mar"), QStringLiteral("mié"),
        QStringLiteral("jue"), QStringLiteral("vie"), QStringLiteral("sáb")};
    return words;
}

int monthOf(const QString& word) {
    return int(calendar::abrMes().indexOf(word.toLower())) + 1; // 0: none
}

// The date field, or the fault in it.
std::optional<ProperDate> readDate(const QString& field, QString& fault) {
    static const QRegularExpression fixed(QStringLiteral("^(\\d{1,2})-(\\w+)$"));
    static const QRegularExpression nth(QStringLiteral("^([1-5u])-(\\w+)-(\\w+)$"),
                                        QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression movable(QStringLiteral("^([^+\\-\\d]+)([+-]\\d{1,3})?$"));
    ProperDate date;
    if (const auto m = fixed.match(field); m.hasMatch()) {
        date.day = m.captured(1).toInt();
        date.month = monthOf(m.captured(2));
        if (date.month == 0) {
            fault = QStringLiteral("\"%1\" no es un mes (ene … dic)").arg(m.captured(2));
            return std::nullopt;
        }
        // 29 February is a day of the leap years.
        if (!QDate(2000, date.month, date.day).isValid()) {
            fault = QStringLiteral("el %1 de %2 no existe")
                        .arg(date.day)
                        .arg(calendar::nomMes().at(date.month - 1).toLower());
            return std::nullopt;
        }
        return date;
    }
    if (const auto m = nth.match(field); m.hasMatch()) {
        date.kind = ProperDate::NthWeekday;
        date.nth = m.captured(1) == QLatin1String("u") ? -1 : m.captured(1).toInt();
        date.weekday = int(weekdayWords().indexOf(m.captured(2).toLower()));
        date.month = monthOf(m.captured(3));
        if (date.weekday < 0)
            fault = QStringLiteral("\"%1\" no es un día de la semana (dom, lun, mar, mié, jue, "
                                   "vie, sáb)")
                        .arg(m.captured(2));
        else if (date.month == 0)
            fault = QStringLiteral("\"%1\" no es un mes (ene … dic)").arg(m.captured(3));
        if (!fault.isEmpty())
            return std::nullopt;
        return date;
    }
    if (const auto m = movable.match(field); m.hasMatch()) {
        date.kind = ProperDate::Movable;
        for (const Anchor& a : anchors())
            if (QStringView(a.name).compare(m.captured(1), Qt::CaseInsensitive) == 0)
                date.file = a.file;
        if (date.file == 0) {
            QStringList names;
            for (const Anchor& a : anchors())
                names.append(QString::fromUtf16(a.name));
            fault = QStringLiteral("\"%1\" no es ninguna de las fechas movibles del calendario "
                                   "(%2)")
                        .arg(m.captured(1), names.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        date.offset = m.captured(2).toInt();
        return date;
    }
    fault = QStringLiteral("\"%1\" no es una fecha (09-nov, Pascua+8, 2-dom-may)").arg(field);
    return std::nullopt;
}

// The rank field: "So", "Fi", "Me" or "-", then "+" and "!" in any order.
bool readRank(QString field, ProperEntry& entry) {
    while (!field.isEmpty() && (field.endsWith(QLatin1Char('+')) || field.endsWith(u'!'))) {
        (field.endsWith(QLatin1Char('+')) ? entry.precept : entry.overSunday) = true;
        field.chop(1);
    }
    static const QHash<QString, ProperRank> ranks = {{QStringLiteral("So"), ProperRank::Solemnity},
                                                     {QStringLiteral("Fi"), ProperRank::Feast},
                                                     {QStringLiteral("Me"), ProperRank::Memorial},
                                                     {QStringLiteral("-"), ProperRank::Optional}};
    const auto it = ranks.constFind(field);
    if (it == ranks.constEnd())
        return false;
    entry.rank = *it;
    return true;
}

// A key for "the same day every year": two solemnities or feasts on it are a fault.
QString sameDayKey(const ProperDate& d) {
    return QStringLiteral("%1:%2:%3:%4:%5:%6")
        .arg(d.kind)
        .arg(d.month)
        .arg(d.day)
        .arg(d.file)
        .arg(d.offset)
        .arg(d.nth * 10 + d.weekday);
}

} // namespace

const QList<Anchor>& anchors() {
    static const QList<Anchor> list = {
        {u"Bautismo", 2},    {u"Ceniza", 3},          {u"Ramos", 4},      {u"Pascua", 5},
        {u"Pentecostés", 6}, {u"Adviento", 7},        {u"Ascensión", 12}, {u"Sacerdote", 13},
        {u"Trinidad", 14},   {u"Corpus", 15},         {u"Corazón", 16},   {u"Inmaculado", 17},
        {u"CristoRey", 18},  {u"SagradaFamilia", 20},
    };
    return list;
}

ProperCalendar parseProper(const QStringList& lines, const QString& fileName) {
    ProperCalendar out;
    out.name = QFileInfo(fileName).completeBaseName();
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\x{00A0}]+"));
    QHash<QString, int> highDays; // the line of the solemnity or feast of each date
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QStringLiteral("nombre:"), Qt::CaseInsensitive)) {
            if (const QString name = line.mid(7).trimmed(); !name.isEmpty())
                out.name = name;
            continue;
        }
        const auto fail = [&](const QString& text) { out.faults.append({number, text}); };
        QStringList fields = line.split(blanks);
        ProperEntry entry;
        entry.line = number;
        QString fault;
        const std::optional<ProperDate> date = readDate(fields.at(0), fault);
        if (!date) {
            fail(fault + QLatin1Char('.'));
            continue;
        }
        entry.date = *date;
        if (fields.size() == 2 && fields.at(1).compare(u"suprime", Qt::CaseInsensitive) == 0) {
            entry.suppress = true;
            out.entries.append(entry);
            continue;
        }
        if (fields.size() < 4) {
            fail(QStringLiteral("faltan campos: se espera fecha, rango, letra de color y "
                                "nombre, o fecha y \"suprime\"."));
            continue;
        }
        if (!readRank(fields.at(1), entry)) {
            fail(QStringLiteral("\"%1\" no es un rango (So, Fi, Me o -, con + si es de precepto "
                                "y ! si prevalece sobre el domingo).")
                     .arg(fields.at(1)));
            continue;
        }
        if (fields.at(2).size() != 1 || !liturgy::colourLetters().contains(fields.at(2))) {
            fail(QStringLiteral("\"%1\" no es una letra de color (%2).")
                     .arg(fields.at(2), liturgy::colourLetters()));
            continue;
        }
        entry.colour = fields.at(2).at(0);
        fields = fields.mid(3);
        if (fields.first() == QLatin1String("=")) {
            entry.replaces = true;
            fields.removeFirst();
        }
        entry.name = fields.join(QLatin1Char(' '));
        if (entry.name.isEmpty()) {
            fail(QStringLiteral("falta el nombre de la celebración."));
            continue;
        }
        if (entry.rank == ProperRank::Solemnity || entry.rank == ProperRank::Feast) {
            const QString key = sameDayKey(entry.date);
            if (const auto it = highDays.constFind(key); it != highDays.constEnd()) {
                fail(QStringLiteral("ya hay una solemnidad o fiesta propia en esa fecha (línea "
                                    "%1): se lee la primera.")
                         .arg(*it));
                continue;
            }
            highDays.insert(key, number);
        }
        out.entries.append(entry);
    }
    return out;
}

ProperCalendar readProper(const QString& path) {
    ProperCalendar out = parseProper(textfile::readAllLines(path), path);
    out.path = path;
    return out;
}

std::optional<QDate> dateIn(const ProperDate& d, int year, const QList<QDate>& movable) {
    switch (d.kind) {
    case ProperDate::Fixed: {
        const QDate date(year, d.month, d.day);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    case ProperDate::Movable:
        if (d.file < 1 || d.file > movable.size() || !movable.at(d.file - 1).isValid())
            return std::nullopt;
        return movable.at(d.file - 1).addDays(d.offset);
    case ProperDate::NthWeekday: {
        const QDate first(year, d.month, 1);
        if (d.nth > 0) {
            const int shift = (d.weekday - first.dayOfWeek() % 7 + 7) % 7;
            const QDate date = first.addDays(shift + 7 * (d.nth - 1));
            return date.month() == d.month ? std::optional<QDate>(date) : std::nullopt;
        }
        const QDate last(year, d.month, first.daysInMonth());
        return last.addDays(-((last.dayOfWeek() % 7 - d.weekday + 7) % 7));
    }
    }
    return std::nullopt;
}

const QList<Shipped>& shippedPropers() {
    static const QList<Shipped> list = {
        {QStringLiteral("barcelona"), QStringLiteral("Archidiócesis de Barcelona")},
        {QStringLiteral("madrid"), QStringLiteral("Archidiócesis de Madrid")},
        {QStringLiteral("santiago"), QStringLiteral("Archidiócesis de Santiago de Compostela")},
        {QStringLiteral("sevilla"), QStringLiteral("Archidiócesis de Sevilla")},
        {QStringLiteral("toledo"), QStringLiteral("Archidiócesis de Toledo")},
        {QStringLiteral("valencia"), QStringLiteral("Archidiócesis de Valencia")},
    };
    return list;
}

QString properPath(const QString& choice, const QString& ruta) {
    for (const Shipped& s : shippedPropers())
        if (s.key == choice)
            return ruta + QString::fromUtf16(kShippedPrefix) + choice + QStringLiteral(".txt");
    return choice;
}

QString displayName(const QString& choice) {
    if (choice.isEmpty())
        return {};
    for (const Shipped& s : shippedPropers())
        if (s.key == choice)
            return s.name;
    return QFileInfo(choice).fileName();
}

namespace {
const QString kChoiceKey = QStringLiteral("calendario-propio");
}

QString storedChoice(const QSettings& settings) {
    return settings.value(kChoiceKey).toString();
}

void storeChoice(QSettings& settings, const QString& choice) {
    settings.setValue(kChoiceKey, choice);
}

} // namespace proper
