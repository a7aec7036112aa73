#pragma once
// A fault in the calendar data or in the notes file. Every reader throws one when its file is
// missing, shorter than the lines it needs, or holds a date that does not convert; the window
// catches it at the end of the operation, tells the user in Spanish and keeps running.

#include <QString>

class DataFault {
public:
    enum class Kind {
        NotFound,    // the file is missing or cannot be opened
        PastEnd,     // the file has fewer lines than the step reads
        BadDate,     // a date text that does not convert to a date
        WriteFailed, // the file could not be written
    };

    DataFault(Kind kind, QString path, QString detail = {})
        : kind_(kind), path_(std::move(path)), detail_(std::move(detail)) {}

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& detail() const { return detail_; }

    // The Spanish text shown to the user: the file and what is wrong with it.
    QString message() const;

private:
    Kind kind_;
    QString path_;
    QString detail_;
};
