#include "search/text_search.h"

#include "calendar_data/calendar_files.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"

namespace search {

namespace {
constexpr int kDaysRead = 31;
}

QString upperCase(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        const QChar capital = c.toUpper();
        if (capital != c && textfile::encodable(QString(capital)))
            c = capital;
    }
    return upper;
}

bool lineHolds(const QString& upper, const QString& texto) {
    const qsizetype last = upper.size() - texto.size(); // the last start position, from 1
    for (qsizetype p = 1; p <= last; ++p) {
        if (QStringView(upper).mid(p - 1, texto.size()) == texto)
            return true;
    }
    return false;
}

void TextSearch::begin(const QString& answer) {
    begun_ = true;
    textoBusca_ = upperCase(answer);
    mesBusca_ = 1;
    numHallados_ = 0;
    ultHallado_ = 100;
}

std::optional<FoundDay> TextSearch::next(const QString& ruta) {
    if (!begun_)
        return std::nullopt;
    for (int month = mesBusca_; month <= 12; ++month) {
        const QString path = calendar::monthFile(ruta, month);
        const QStringList lines = textfile::readAllLines(path);
        for (int day = 1; day <= kDaysRead; ++day) {
            if (day > lines.size())
                throw DataFault(DataFault::Kind::PastEnd, path);
            const QString& line = lines.at(day - 1);
            // Days up to the last one found are read again and passed over.
            const int code = month * 100 + day;
            if (code > ultHallado_ && lineHolds(upperCase(line), textoBusca_)) {
                ultHallado_ = code;
                mesBusca_ = month;
                ++numHallados_;
                return FoundDay{month, day, line};
            }
        }
    }
    return std::nullopt;
}

} // namespace search
